#include "text/VESKIniFileW.h"

#include <memory>

#include <QtEndian>

#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "storage/VESKFileStreamW.h"
#include "storage/VESKStreams.h"
#include "text/VESKIntParse.h"

namespace {

const QString kMissingValue = QStringLiteral("__DEMOSTR");
const QString kLineEnd = QStringLiteral("\r\n");

QByteArray WideToUtf16Le(const QString& text) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto* target = reinterpret_cast<uchar*>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), target + 2 * i);
    return bytes;
}

} // namespace

void WriteText(QIODevice& stream, const QString& text, bool ansi) {
    const QByteArray bytes = ansi ? WideToAnsi(text) : WideToUtf16Le(text);
    WriteBuffer(stream, bytes.constData(), bytes.size());
}

TVESKIniFileW::TVESKIniFileW(const QString& fileName, bool autoSave)
    : FileName(fileName), AutoSave(autoSave) {
    if (FileName.isEmpty() || !FileExistsW(FileName))
        return;
    // A constructor that throws runs no destructor: free the key lists here.
    try {
        LoadFromFile();
    } catch (...) {
        Clear();
        throw;
    }
}

TVESKIniFileW::~TVESKIniFileW() {
    if (!FileName.isEmpty() && AutoSave) {
        // A destructor must not throw; a failed auto-save can only be dropped.
        try {
            SaveToFile();
        } catch (const std::exception& error) {
            qWarning("Auto-save of %s failed: %s", qPrintable(FileName), error.what());
        }
    }
    Clear();
}

void TVESKIniFileW::LoadFromFile() {
    TVESKFileStreamW stream(FileName, TVESKFileStreamW::fmOpenRead);
    if (!stream.IsValid())
        throw EVESKError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    LoadFromStream(stream);
}

bool TVESKIniFileW::SaveToFile() {
    TVESKFileStreamW stream(FileName, TVESKFileStreamW::fmCreate);
    if (!stream.IsValid())
        return false;
    SaveToStream(stream, Ansi);
    // The file layer buffers; a full disk shows only here.
    if (!stream.flush())
        throw EVESKError(QStringLiteral("Stream write error"));
    return true;
}

void TVESKIniFileW::LoadFromStream(QIODevice& source) {
    TVESKStringListW lines;
    lines.LoadFromStream(source);
    AddLines(lines);
}

void TVESKIniFileW::AddLines(const TVESKStringListW& lines) {
    TVESKStringListW* current = nullptr;
    for (int i = 0; i < lines.Count(); ++i) {
        const QString line = lines.Strings(i);
        if (line.startsWith(u'[')) {
            // The last character goes whatever it is: "[A] " names "A]".
            auto keys = std::make_unique<TVESKStringListW>();
            Sections.AddObject(line.size() >= 2 ? line.mid(1, line.size() - 2) : QString(),
                               keys.get());
            current = keys.release();
        } else if (current && !line.isEmpty()) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals < 0)
                current->AddPair(line, QString());
            else
                current->AddPair(line.mid(equals + 1), line.left(equals));
        }
    }
}

void TVESKIniFileW::SaveToStream(QIODevice& destination, bool ansi) {
    if (!ansi)
        WriteBuffer(destination, "\xFF\xFE", 2);
    // One write of the whole text: the same bytes as piece by piece, without
    // a device call per key.
    QString text;
    for (int s = 0; s < Sections.Count(); ++s) {
        text += u'[' + Sections.Strings(s) + u']' + kLineEnd;
        if (const TVESKStringListW* keys = Sections.Objects(s))
            for (int k = 0; k < keys->Count(); ++k)
                text += keys->Names(k) + u'=' + keys->Strings(k) + kLineEnd;
        text += kLineEnd;
    }
    WriteText(destination, text, ansi);
}

int TVESKIniFileW::FindSection(const QString& name) {
    if (LastSection >= 0 && LastSection < Sections.Count()) {
        if (WideSameText(Sections.Strings(LastSection), name))
            return LastSection;
    } else {
        LastSection = -1;
    }
    for (int i = 0; i < Sections.Count(); ++i) {
        if (WideSameText(Sections.Strings(i), name)) {
            LastSection = i;
            return i;
        }
    }
    return -1;
}

int TVESKIniFileW::AddSection(const QString& name) {
    auto keys = std::make_unique<TVESKStringListW>();
    Sections.AddObject(name, keys.get());
    keys.release();
    return Sections.Count() - 1;
}

void TVESKIniFileW::EraseSection(const QString& name) {
    const int index = FindSection(name);
    if (index < 0)
        return;
    delete Sections.Objects(index);
    Sections.Delete(index);
    // The cache would now name the section that moved into this place, which
    // may be a later duplicate of an earlier name.
    LastSection = -1;
}

void TVESKIniFileW::Clear() {
    // Erasing by name from the last section down would search from the front
    // each time; freeing in one pass ends in the same empty document.
    for (int i = 0; i < Sections.Count(); ++i)
        delete Sections.Objects(i);
    Sections.Clear();
    LastSection = -1;
}

QString TVESKIniFileW::ReadString(const QString& section, const QString& key,
                                  const QString& defaultValue) {
    const int index = FindSection(section);
    if (index < 0)
        return defaultValue;
    const TVESKStringListW* keys = Sections.Objects(index);
    const int found = keys ? keys->IndexOfName(key) : -1;
    return found < 0 ? defaultValue : keys->Strings(found);
}

void TVESKIniFileW::WriteString(const QString& section, const QString& key, const QString& value) {
    int index = FindSection(section);
    if (index < 0)
        index = AddSection(section);
    TVESKStringListW* keys = Sections.Objects(index);
    if (!keys)
        return;
    const int found = keys->IndexOfName(key);
    if (found < 0)
        keys->AddPair(value, key);
    else
        keys->SetStrings(found, value);
}

int TVESKIniFileW::ReadInteger(const QString& section, const QString& key, int defaultValue) {
    try {
        return StrToInt(ReadString(section, key, QString::number(defaultValue)));
    } catch (const EConvertError& error) {
        throw EConvertError(error.Value, Origin, QStringLiteral("[%1] %2").arg(section, key));
    }
}

bool TVESKIniFileW::ReadBool(const QString& section, const QString& key, bool defaultValue) {
    return ReadString(section, key, defaultValue ? QStringLiteral("1") : QStringLiteral("0")) ==
           u"1";
}

void TVESKIniFileW::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TVESKIniFileW::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

bool TVESKIniFileW::ValueExists(const QString& section, const QString& key) {
    return ReadString(section, key, kMissingValue) != kMissingValue;
}
