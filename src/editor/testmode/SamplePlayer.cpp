#include "editor/testmode/SamplePlayer.h"

#include <algorithm>
#include <cmath>

namespace SamplePlayer {

namespace {

bool Is(const QString& name, const char* a, const char* b) {
    return name.compare(QLatin1String(a), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

constexpr int kBitRates[] = {128, 192, 256, 320};
constexpr int kSampleRates[] = {44, 48, 32, 22};
constexpr qint64 kSleepSeconds = 45 * 60;
const QString kGap = QStringLiteral("   ***   ");

} // namespace

QString TimeInTemplate(const QString& templateText, qint64 seconds) {
    const qint64 groups[] = {seconds % 60, seconds / 60 % 60, seconds / 3600};
    QString text = templateText;
    int group = 0;
    qint64 value = groups[0];
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i] == u':') {
            group = std::min(group + 1, 2);
            value = groups[group];
        } else if (text[i].isDigit()) {
            text[i] = QChar(u'0' + int(value % 10));
            value /= 10;
        }
    }
    return text;
}

QString NumberInTemplate(const QString& templateText, int number) {
    QString text = templateText;
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        if (text[i].isDigit()) {
            text[i] = QChar(u'0' + number % 10);
            number /= 10;
        }
    return text;
}

QString DisplayCaption(const QString& name, int glyphCount, const QString& templateText,
                       qint64 ms) {
    const qint64 seconds = ms / 1000;
    if (glyphCount == 3)
        return NumberInTemplate(templateText, int(seconds / 2 % 3));
    if (Is(name, "Time", "traytime"))
        return TimeInTemplate(templateText, seconds);
    if (Is(name, "SleepTime", "TraySleepTime"))
        return TimeInTemplate(templateText, std::max<qint64>(0, kSleepSeconds - seconds));
    if (Is(name, "BRINFO", "traykbps"))
        return NumberInTemplate(templateText, kBitRates[seconds / 4 % 4]);
    if (Is(name, "SRINFO", "traykhz"))
        return NumberInTemplate(templateText, kSampleRates[seconds / 4 % 4]);
    return templateText;
}

QString LabelText(const QString& name) {
    static const struct {
        const char* Name;
        const char* Text;
    } kTexts[] = {
        {"iTitle", "Над облаками — очень длинное название пробной дорожки, чтобы строка бежала"},
        {"iArtist", "Пробный исполнитель"},
        {"iAlbum", "Пробный альбом (2026)"},
        {"iGenre", "Электроника"},
        {"Infobar", "MP3 :: 44 кГц :: 192 кбит/с :: стерео :: Пробный исполнитель — Над облаками"},
        {"trayrs", "Пробный исполнитель — Над облаками — очень длинное название пробной дорожки"},
        {"CountLabel", "12"},
        {"LengthLabel", "48:12"},
        {"SizeLabel", "96,4 МБ"},
        {"Playlistbox", "Evening"},
    };
    for (const auto& entry : kTexts)
        if (name.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(entry.Text);
    return QString();
}

QString Scrolled(const QString& text, int step) {
    if (text.isEmpty())
        return text;
    const QString loop = text + kGap;
    const qsizetype start = qsizetype(step) % loop.size();
    return (loop.mid(start) + loop.left(start)).left(text.size() + kGap.size());
}

void SpectrumLevels(qint64 ms, int count, std::vector<double>& levels) {
    levels.resize(size_t(std::max(0, count)));
    const double t = double(ms) / 1000.0;
    for (int i = 0; i < count; ++i) {
        const double band = count > 1 ? double(i) / (count - 1) : 0.0;
        // A beat in the low bands, a shimmer above; always within 0 to 1.
        const double beat = 0.5 + 0.5 * std::sin(t * 7.0 + band * 2.0);
        const double shimmer = 0.5 + 0.5 * std::sin(t * (11.0 + 5.0 * band) + i * 1.7);
        const double level = (0.75 - 0.45 * band) * beat * 0.6 + shimmer * 0.4 * (1.0 - band * 0.5);
        levels[size_t(i)] = std::clamp(level, 0.0, 1.0);
    }
}

} // namespace SamplePlayer
