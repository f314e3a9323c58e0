#include "graphics/SkinFontFace.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

// A face's line, in design units: what the player's system calls the
// ascent and descent (OS/2 usWinAscent, usWinDescent) and the em square.
struct TFaceLine {
    double Ascent = 0;
    double Descent = 0;
    double Em = 1;
};

quint16 BigEndianWord(const QByteArray& table, int offset) {
    if (offset + 2 > table.size())
        return 0;
    return qFromBigEndian<quint16>(table.constData() + offset);
}

TFaceLine MeasureFaceLine(const QFont& font) {
    constexpr int kProbe = 256;
    QFont probe = font;
    probe.setPixelSize(kProbe);
    const QRawFont raw = QRawFont::fromFont(probe);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    const quint16 em = BigEndianWord(head, 18);
    const quint16 ascent = BigEndianWord(os2, 74);
    const quint16 descent = BigEndianWord(os2, 76);
    if (em > 0 && ascent + descent > 0)
        return {double(ascent), double(descent), double(em)};
    // A face without the tables (a bitmap font, a fallback) has only Qt's
    // own idea of its line.
    const QFontMetricsF metrics(probe);
    return {metrics.ascent(), metrics.descent(), double(kProbe)};
}

// Asking Qt for a face's tables is slow; the answer holds until the set of
// fonts changes (a package installs its own).
const TFaceLine& FaceLine(const QFont& font) {
    static QHash<QString, TFaceLine> lines;
    static bool watching = false;
    if (!watching && qGuiApp) {
        watching = true;
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp,
                         [] { lines.clear(); });
    }
    const QString key = font.family().toLower() + u'|' + QString::number(font.bold()) +
                        QString::number(font.italic());
    auto found = lines.find(key);
    if (found == lines.end())
        found = lines.insert(key, MeasureFaceLine(font));
    return *found;
}

// Heights come from strangers' files: kept to a size a glyph cache holds.
int Bounded(long long pixels) {
    return int(std::clamp<long long>(pixels, 1, TFont::kMaxPixelSize));
}

QString ExpandTabs(const QString& text, int flags) {
    if (!(flags & Qt::TextExpandTabs))
        return text;
    QString expanded = text;
    return expanded.replace(u'\t', QStringLiteral("        "));
}

// What the reader sees of a line: a mnemonic's ampersand is not measured.
QString Visible(const QString& line, int flags) {
    if (!(flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic)))
        return line;
    QString shown;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'&' && i + 1 < line.size())
            ++i;
        shown += line[i];
    }
    return shown;
}

void WrapParagraph(const QFontMetrics& metrics, const QString& paragraph, int width, int flags,
                   QStringList& lines) {
    const QStringList words = paragraph.split(u' ');
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(Visible(longer, flags)) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
}

} // namespace

TSkinFontFace SkinFontFace(const TFont& font) {
    TSkinFontFace face;
    face.Font = QFont(font.Name);
    face.Font.setBold(font.Style & fsBold);
    face.Font.setItalic(font.Style & fsItalic);
    face.Font.setUnderline(font.Style & fsUnderline);
    face.Font.setStrikeOut(font.Style & fsStrikeOut);
    const TFaceLine& line = FaceLine(face.Font);
    const double cellPerEm = (line.Ascent + line.Descent) / line.Em;
    // Height 0 asks the system for its default: the toolkit's 8 points.
    const long long height = font.Height == 0 ? -11 : font.Height;
    if (height > 0) {
        const int cell = Bounded(height);
        face.Font.setPixelSize(Bounded(std::llround(cell / cellPerEm)));
        face.Ascent = int(std::lround(cell * line.Ascent / (line.Ascent + line.Descent)));
        face.Descent = cell - face.Ascent;
    } else {
        const int em = Bounded(-height);
        face.Font.setPixelSize(em);
        face.Ascent = int(std::lround(em * line.Ascent / line.Em));
        face.Descent = int(std::lround(em * line.Descent / line.Em));
    }
    return face;
}

QFont TFont::ToQFont() const {
    return SkinFontFace(*this).Font;
}

QStringList SkinTextLines(const TSkinFontFace& face, const QString& text, int width, int flags) {
    const QString expanded = ExpandTabs(text, flags);
    if (flags & Qt::TextSingleLine)
        return {QString(expanded).replace(u'\n', u' ')};
    const QFontMetrics metrics(face.Font);
    QStringList lines;
    for (const QString& paragraph : expanded.split(u'\n')) {
        if (flags & Qt::TextWordWrap)
            WrapParagraph(metrics, paragraph, width, flags, lines);
        else
            lines << paragraph;
    }
    return lines;
}

QSize SkinTextSize(const TSkinFontFace& face, const QString& text, int width, int flags) {
    const QFontMetrics metrics(face.Font);
    const QStringList lines = SkinTextLines(face, text, width, flags);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(Visible(line, flags)));
    return {widest, int(lines.size()) * face.LineHeight()};
}

void DrawSkinText(QPainter& painter, const QRect& area, int flags, const QString& text,
                  const TSkinFontFace& face) {
    const QStringList lines = SkinTextLines(face, text, area.width(), flags);
    const int height = int(lines.size()) * face.LineHeight();
    int top = area.top();
    if (flags & Qt::AlignVCenter)
        top += (area.height() - height) / 2;
    painter.save();
    painter.setFont(face.Font);
    // Qt puts a line's baseline its own ascent below the rectangle's top;
    // the rectangle is moved so the baseline lands where the player's is.
    const int shift = face.Ascent - QFontMetrics(face.Font).ascent();
    const int lineFlags =
        (flags & (Qt::AlignHorizontal_Mask | Qt::TextShowMnemonic | Qt::TextHideMnemonic)) |
        Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    for (const QString& line : lines) {
        painter.drawText(QRect(area.left(), top + shift, area.width(), face.LineHeight()),
                         lineFlags, line);
        top += face.LineHeight();
    }
    painter.restore();
}
