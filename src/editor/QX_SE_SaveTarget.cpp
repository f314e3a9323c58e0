// What a save of the window works on: its package and documents, its
// previews by their element names, the menu page's looks and the texts of
// the description page.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "compiler/EditorSaveTarget.h"
#include "compiler/SavePipeline.h"
#include "controls/SelectedElement.h"
#include "editor/QX_SE.h"
#include "storage/QXSPFile.h"

namespace {

QWidget* Find(QWidget* root, const QString& name) {
    return root ? root->findChild<QWidget*>(name) : nullptr;
}

} // namespace

TSaveTarget TQXForm::SaveTarget() {
    TSaveTarget target;
    target.Package = SkinFile.get();
    target.EqDocument = EqDocument.get();
    target.TrayDocument = TrayDocument.get();
    target.TrayBitmap = TrayBitmap.get();

    QWidget* main = MainCtrl;
    target.Main.MainCtrl = main;
    target.Main.Main = Find(main, QStringLiteral("Main"));
    target.Main.Leftbar = Find(main, QStringLiteral("Leftbar"));
    target.Main.RightBar = Find(main, QStringLiteral("RightBar"));
    target.Main.TopPanel = Find(main, QStringLiteral("TopPanel"));
    target.Main.TabCtrl = Find(main, QStringLiteral("TabCtrl"));
    target.Main.PlsCtrl = Find(main, QStringLiteral("PlsCtrl"));
    target.EqualizerFace = Find(EQUA, QStringLiteral("main_"));
    target.TrayInfo = Find(TrayControlMain, QStringLiteral("TrayInfo"));
    target.TrayCtrl = Find(TrayControlMain, QStringLiteral("TrayCtrl"));

    target.Menu.GutterColor = SwatchColor(Panel14);
    target.Menu.MenuColor = SwatchColor(Panel15);
    target.Menu.SelectedColor = SwatchColor(Panel16);
    target.Menu.BorderColor = SwatchColor(Panel19);
    target.Menu.Font = SampleFont(Panel17);

    target.SkinName = Edit2->text();
    target.Author = Edit3->text();
    target.Description = Memo1->toPlainText();

    target.ShowSkinsPage = [this] {
        PageControl1->setCurrentIndex(0);
        // Showing the skins page selects its first element; the photograph
        // of the main preview must not show that frame either.
        SelectedElement = nullptr;
        repaint();
    };
    return target;
}
