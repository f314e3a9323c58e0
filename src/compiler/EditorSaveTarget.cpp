#include "compiler/EditorSaveTarget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "controls/SelectedElement.h"
#include "editor/QX_SE.h"

namespace {

QWidget* Find(QWidget* root, const QString& name) {
    return root ? root->findChild<QWidget*>(name) : nullptr;
}

// A swatch or sample keeps the colour value it was given as a property, so
// that system colours (which a palette holds only resolved) survive a save.
std::optional<TColor> StoredColor(const QWidget* widget) {
    const QVariant stored = widget->property("Color");
    if (!stored.isValid())
        return std::nullopt;
    return TColor(stored.toInt());
}

} // namespace

TColor SwatchColor(const QWidget* swatch) {
    if (!swatch)
        return 0;
    if (const auto stored = StoredColor(swatch))
        return *stored;
    return RgbToColor(swatch->palette().color(QPalette::Window).rgb());
}

TFont SampleFont(const QWidget* sample) {
    TFont font;
    // The sample keeps the value it was given: a Qt font cannot hold a
    // system colour, a height of 0 or the height's sign.
    const QVariantList stored = sample ? sample->property("SkinFont").toList() : QVariantList();
    if (stored.size() != 4)
        return font;
    font.Name = stored[0].toString();
    font.Color = TColor(stored[1].toInt());
    font.Height = stored[2].toInt();
    font.Style = TFontStyles(stored[3].toUInt());
    return font;
}

TSaveTarget SaveTargetOf(TQXForm& form) {
    TSaveTarget target;
    target.Package = form.SkinFile.get();
    target.EqDocument = form.EqDocument.get();
    target.TrayDocument = form.TrayDocument.get();
    target.TrayBitmap = form.TrayBitmap.get();

    QWidget* main = form.MainCtrl;
    target.Main.MainCtrl = main;
    target.Main.Main = Find(main, QStringLiteral("Main"));
    target.Main.Leftbar = Find(main, QStringLiteral("Leftbar"));
    target.Main.RightBar = Find(main, QStringLiteral("RightBar"));
    target.Main.TopPanel = Find(main, QStringLiteral("TopPanel"));
    target.Main.TabCtrl = Find(main, QStringLiteral("TabCtrl"));
    target.Main.PlsCtrl = Find(main, QStringLiteral("PlsCtrl"));
    target.EqualizerFace = Find(form.EQUA, QStringLiteral("main_"));
    target.TrayInfo = Find(form.TrayControlMain, QStringLiteral("TrayInfo"));
    target.TrayCtrl = Find(form.TrayControlMain, QStringLiteral("TrayCtrl"));

    target.Menu.GutterColor = SwatchColor(form.Panel14);
    target.Menu.MenuColor = SwatchColor(form.Panel15);
    target.Menu.SelectedColor = SwatchColor(form.Panel16);
    target.Menu.BorderColor = SwatchColor(form.Panel19);
    target.Menu.Font = SampleFont(form.Panel17);

    target.SkinName = form.Edit2->text();
    target.Author = form.Edit3->text();
    target.Description = form.Memo1->toPlainText();

    TQXForm* window = &form;
    target.ShowSkinsPage = [window] {
        window->PageControl1->setCurrentIndex(0);
        // Showing the skins page selects its first element; the photograph
        // of the main preview must not show that frame either.
        SelectedElement = nullptr;
        window->repaint();
    };
    return target;
}
