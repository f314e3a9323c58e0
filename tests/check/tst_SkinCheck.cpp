#include <QDir>
#include <QFontDatabase>
#include <QTest>

#include "SkinVariants.h"
#include "TestRegistry.h"
#include "check/CheckedSkin.h"
#include "compiler/MaskCheck.h"

using TVariantEdit = std::function<void(TSkinVariant&)>;
Q_DECLARE_METATYPE(TVariantEdit)

namespace {

const QString Rects = QStringLiteral("SKIN_RECTS");

QStringList RuleNames(const TFindings& findings) {
    QStringList names;
    for (const TFinding& finding : findings)
        names << finding.RuleName();
    return names;
}

QString Listed(const TFindings& findings) {
    QStringList lines;
    for (const TFinding& finding : findings)
        lines << finding.RuleName() + u' ' + finding.Message();
    return lines.join(u'\n');
}

TFindings Check(const QByteArray& bytes) {
    const QStringList families = QFontDatabase::families();
    TSkinCheckOptions options;
    options.FaceInstalled = [families](const QString& face) {
        return families.contains(face, Qt::CaseInsensitive);
    };
    options.PreviewRules = CheckMainMask;
    return CheckSkinBytes(bytes, options);
}

// A texture of the equalizer moved or resized, the rest of it kept.
TVariantEdit EqRect(const QString& key, std::function<QRect(const QRect&, TSkinVariant&)> change) {
    return [=](TSkinVariant& skin) {
        skin.SetRect("equa.ini", Rects, key, change(skin.Rect("equa.ini", Rects, key), skin));
    };
}

TVariantEdit Value(const QString& member, const QString& section, const QString& key,
                   const QString& value) {
    return [=](TSkinVariant& skin) { skin.SetValue(member, section, key, value); };
}

// A 32-bit bitmap with an alpha mask, as image editors write them.
QByteArray AlphaBitmapBytes(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const quint32 w = image.width(), h = image.height();
    QByteArray bytes(14 + 108, '\0');
    const auto put = [&bytes](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 14 + 108 + 4 * w * h);
    put(10, 14 + 108);
    put(14, 108); // the version 4 header, which has room for the alpha mask
    put(18, w);
    put(22, h);
    put(26, 1 | (32 << 16));
    put(30, 3); // bit fields
    for (const auto& [at, mask] : {std::pair{54, 0x00FF0000u}, {58, 0x0000FF00u}, {62, 0xFFu},
                                   {66, 0xFF000000u}})
        put(at, mask);
    for (int y = int(h) - 1; y >= 0; --y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), 4 * w);
    return bytes;
}

QByteArray BitmapBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

} // namespace

// One package per rule, each the built-in skin with one mistake: the checker
// reports exactly that mistake, where it is.
class TestSkinCheck : public QObject {
    Q_OBJECT

private slots:
    void builtInSkinIsClean() {
        const TFindings findings = Check(TSkinVariant::BuiltIn().Bytes());
        QVERIFY2(findings.empty(), qPrintable(Listed(findings)));
    }

    void findsTheOneMistake_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("key");
        QTest::addColumn<TVariantEdit>("edit");
        const auto row = [this](const char* rule, const char* member, const char* key,
                                TVariantEdit edit) {
            TriedRules << rule;
            QTest::newRow(rule) << QString(rule) << QString(member) << QString(key) << edit;
        };
        row("container.not-package", "", "",
            [](TSkinVariant& s) { s.EditFile([](QByteArray& f) { f = "PK\3\4 not ours"; }); });
        row("container.truncated", "", "",
            [](TSkinVariant& s) { s.EditFile([](QByteArray& f) { f.chop(10); }); });
        row("container.offset", "info.txt", "",
            [](TSkinVariant& s) { s.PatchRecord("info.txt", 32, 7); });
        row("container.duplicate-name", "INFO.TXT", "",
            [](TSkinVariant& s) { s.AppendCopy("info.txt", "INFO.TXT"); });
        row("container.trailing-bytes", "", "",
            [](TSkinVariant& s) { s.EditFile([](QByteArray& f) { f += "tail"; }); });
        row("container.member-damaged", "info.txt", "",
            [](TSkinVariant& s) { s.DamageStream("info.txt"); });
        row("container.size-mismatch", "info.txt", "",
            [](TSkinVariant& s) { s.PatchRecord("info.txt", 36, 5); });
        row("member.missing", "parent.ini", "", [](TSkinVariant& s) { s.Remove("parent.ini"); });
        row("member.template", "tray.ini", "", [](TSkinVariant& s) { s.Remove("tray.ini"); });
        row("member.unreadable", "equa.bmp", "",
            [](TSkinVariant& s) { s.Member("equa.bmp") = "BM but nothing more"; });
        row("key.missing", "equa.ini", "LIB_SEL",
            [](TSkinVariant& s) { s.RemoveValue("equa.ini", Rects, "LIB_SEL"); });
        row("key.unparseable", "tray.ini", "trayseek_HORIZONTAL",
            Value("tray.ini", "SKIN_WIDTHS", "trayseek_HORIZONTAL", "yes"));
        row("rect.empty", "equa.ini", "CFG_DWN",
            EqRect("CFG_DWN", [](QRect r, TSkinVariant&) { return r.adjusted(0, 0, -r.width(), 0); }));
        row("rect.reversed", "equa.ini", "CFG_SEL", Value("equa.ini", Rects, "CFG_SEL", "20,20,10,10"));
        row("rect.outside-bitmap", "equa.ini", "CFG_DWN", EqRect("CFG_DWN", [](QRect r, TSkinVariant& s) {
                return r.translated(s.BitmapSize("equa.bmp").width() - r.x() - 2, 0);
            }));
        row("state.size-mismatch", "equa.ini", "CFG_SEL",
            EqRect("CFG_SEL", [](QRect r, TSkinVariant&) { return r.adjusted(0, 0, 1, 0); }));
        row("strip.glyphs", "tray.ini", "traytime", [](TSkinVariant& s) {
            const QRect strip = s.Rect("tray.ini", "SKIN_NUMERICS", "traytime");
            s.SetRect("tray.ini", "SKIN_NUMERICS", "traytime", strip.adjusted(0, 0, -1, 0));
        });
        row("bounds.outside-panel", "equa.ini", "LIB", [](TSkinVariant& s) {
            s.SetRect("equa.ini", "SKIN_OBJS", "LIB",
                      s.Rect("equa.ini", "SKIN_OBJS", "LIB").translated(1000, 0));
        });
        row("slider.thumb", "equa.ini", "PREAMP_THM", [](TSkinVariant& s) {
            const QRect track = s.Rect("equa.ini", Rects, "PREAMP_BK");
            const QRect thumb = s.Rect("equa.ini", Rects, "PREAMP_THM");
            s.SetRect("equa.ini", Rects, "PREAMP_THM", QRect(thumb.topLeft(), QSize(track.width() + 1, thumb.height())));
        });
        row("font.face-missing", "equa.ini", "DSP",
            Value("equa.ini", "SKIN_FONTS", "DSP", "No Such Face,0,12,0"));
        row("font.height-zero", "equa.ini", "DSP", Value("equa.ini", "SKIN_FONTS", "DSP", "Tahoma,0,0,0"));
        row("color.invalid", "equa.ini", "EQVISL", Value("equa.ini", "SKIN_FONTS", "EQVISL", "16777216"));
        row("parent.unknown-code", "tray_parent.ini", "trayplay",
            Value("tray_parent.ini", "PARENT", "trayplay", "NOWHERE"));
        row("scheme.unreadable", "main.ini", "Theme1", Value("main.ini", "SKIN_THEMES", "Theme1", "warm"));
        row("mask.bitmap", "mask.bmp", "", [](TSkinVariant& s) {
            QImage black(s.BitmapSize("mask.bmp"), QImage::Format_RGB888);
            black.fill(Qt::black);
            s.Member("mask.bmp") = BitmapBytes(black);
        });
        row("mask.keys", "main.ini", "Top", Value("main.ini", "SKIN_MASK", "Top", "80"));
        row("bitmap.depth", "imglist.bmp", "", [](TSkinVariant& s) {
            const QImage icons = QImage::fromData(s.Member("imglist.bmp"));
            s.Member("imglist.bmp") = BitmapBytes(icons.convertToFormat(QImage::Format_Indexed8));
        });
        row("bitmap.no-key-colour", "imglist.bmp", "", [](TSkinVariant& s) {
            QImage icons = QImage::fromData(s.Member("imglist.bmp")).convertToFormat(QImage::Format_ARGB32);
            icons.setPixel(0, 0, 0x00FFFFFF);
            s.Member("imglist.bmp") = AlphaBitmapBytes(icons);
        });
    }
    void findsTheOneMistake() {
        QFETCH(QString, rule);
        QFETCH(QString, member);
        QFETCH(QString, key);
        QFETCH(TVariantEdit, edit);
        TSkinVariant skin = TSkinVariant::BuiltIn();
        edit(skin);
        const TFindings findings = Check(skin.Bytes());
        QCOMPARE(RuleNames(findings), QStringList{rule});
        QCOMPARE(findings[0].Member, member);
        QCOMPARE(findings[0].Key, key);
        QVERIFY(findings[0].Message().contains(member));
        QVERIFY(!findings[0].MessageRu().contains(u'%'));
    }

    // Each rule has its row above, but the unreadable file, which only a
    // file name can be (the package tool's tests have it).
    void everyRuleIsExercised() {
        QStringList untried;
        for (std::size_t i = 0; i < CheckRules().size(); ++i) {
            const TCheckRule& rule = CheckRules()[i];
            QCOMPARE(std::size_t(rule.Id), i);
            if (!TriedRules.contains(rule.Name) && rule.Id != TRuleId::FileUnreadable)
                untried << rule.Name;
        }
        QVERIFY2(untried.isEmpty(), qPrintable(untried.join(", ")));
    }

private:
    QStringList TriedRules;
};

QX_REGISTER_TEST(TestSkinCheck)
#include "tst_SkinCheck.moc"
