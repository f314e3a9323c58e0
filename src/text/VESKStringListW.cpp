#include "text/VESKStringListW.h"

#include <QtEndian>

#include "storage/VESKCodePage.h"
#include "storage/VESKErrors.h"
#include "storage/VESKStreams.h"

namespace {

constexpr char16_t kLineSeparator = 0x2028;

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == kLineSeparator;
}

QString Utf16LeToWide(const QByteArray& bytes) {
    const qsizetype length = bytes.size() / 2;
    QString text(length, Qt::Uninitialized);
    const auto* source = reinterpret_cast<const uchar*>(bytes.constData());
    for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(source + 2 * i));
    return text;
}

} // namespace

bool WideSameText(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

TVESKStringListW::~TVESKStringListW() {
    Clear();
}

void TVESKStringListW::BeginUpdate() {
    ++FUpdateCount;
}

void TVESKStringListW::EndUpdate() {
    --FUpdateCount;
}

QString TVESKStringListW::Strings(int index) const {
    return InRange(index) ? FItems[index].Text : QString();
}

void TVESKStringListW::SetStrings(int index, const QString& text) {
    if (!InRange(index))
        return;
    BeginUpdate();
    FItems[index].Text = text;
    EndUpdate();
}

QString TVESKStringListW::Names(int index) const {
    return InRange(index) ? FItems[index].Name : QString();
}

TVESKStringListW* TVESKStringListW::Objects(int index) const {
    return InRange(index) ? FItems[index].Object : nullptr;
}

void TVESKStringListW::Insert(int index, const QString& text, TVESKStringListW* object,
                              const QString& name) {
    // Out-of-range positions clamp to the nearest end rather than corrupt
    // the list.
    index = qBound(0, index, Count());
    BeginUpdate();
    FItems.insert(FItems.begin() + index, TStringItem{text, name, object});
    EndUpdate();
}

void TVESKStringListW::AddObject(const QString& text, TVESKStringListW* object) {
    Insert(Count(), text, object, QString());
}

void TVESKStringListW::AddPair(const QString& text, const QString& name) {
    Insert(Count(), text, nullptr, name);
}

bool TVESKStringListW::Delete(int index) {
    if (!InRange(index))
        return false;
    BeginUpdate();
    FItems.erase(FItems.begin() + index);
    EndUpdate();
    return true;
}

int TVESKStringListW::IndexOfName(const QString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (WideSameText(FItems[i].Name, name))
            return i;
    return -1;
}

void TVESKStringListW::Clear() {
    BeginUpdate();
    FItems.clear();
    EndUpdate();
}

void TVESKStringListW::SetText(const QString& text) {
    BeginUpdate();
    FItems.clear();
    const qsizetype length = text.size();
    qsizetype pos = 0;
    while (pos < length) {
        const qsizetype start = pos;
        while (pos < length && !IsLineBreak(text.at(pos).unicode()))
            ++pos;
        FItems.push_back(TStringItem{text.mid(start, pos - start), QString(), nullptr});
        while (pos < length && (IsLineBreak(text.at(pos).unicode()) || text.at(pos).isNull()))
            ++pos;
    }
    EndUpdate();
}

bool TVESKStringListW::LoadFromStream(QIODevice& source) {
    if (source.size() - source.pos() > MaxTextSize)
        throw EOutOfMemory();
    if (source.size() < 2) {
        SetText(QString());
        return true;
    }
    const qint64 start = source.pos();
    const QByteArray text = ReadBytes(source, source.size() - start);
    // The mark is read as two bytes wherever the stream stands.
    if (text.size() < 2)
        throw EReadError();
    if (text.startsWith("\xFF\xFE")) {
        // An odd trailing byte is half a character: leave it unread.
        const QByteArray units = text.mid(2, (text.size() - 2) & ~qsizetype(1));
        source.seek(start + 2 + units.size());
        SetText(Utf16LeToWide(units));
    } else if (text.startsWith("\xEF\xBB\xBF")) {
        // Text editors save UTF-8 with this mark; without it, text stays the
        // code page's, byte for byte.
        SetText(QString::fromUtf8(text.mid(3)));
    } else {
        SetText(AnsiToWide(text));
    }
    return true;
}
