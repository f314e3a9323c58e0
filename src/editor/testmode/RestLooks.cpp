#include "editor/testmode/RestLooks.h"

#include "controls/VESKSELabel.h"
#include "controls/VESKSkinCtrls.h"
#include "controls/VESK_SE_Panel.h"

void TRestLooks::Take(const QList<QWidget*>& controls) {
    FLooks.clear();
    FLooks.reserve(size_t(controls.size()));
    for (QWidget* control : controls) {
        TLook look;
        look.Control = control;
        look.Geometry = control->geometry();
        if (auto* skin = qobject_cast<TVESKSESkin*>(control)) {
            look.Background = skin->ImgBackGround();
            look.Aux1 = skin->ImgAux1();
            look.Aux2 = skin->ImgAux2();
        } else if (auto* digits = qobject_cast<TVESKNumLabel*>(control)) {
            look.Background = digits->Skin();
            look.Caption = digits->Caption();
        } else if (auto* label = qobject_cast<TVESKSELabel*>(control)) {
            look.Caption = label->Caption();
            look.AutoSize = label->AutoSize();
            look.Font = label->Font();
            look.Color = label->Color();
        } else {
            continue;
        }
        FLooks.push_back(std::move(look));
    }
}

void TRestLooks::Restore() {
    for (const TLook& look : FLooks) {
        QWidget* control = look.Control;
        if (!control)
            continue;
        if (auto* skin = qobject_cast<TVESKSESkin*>(control)) {
            skin->SetImgBackGround(look.Background);
            skin->SetImgAux1(look.Aux1);
            skin->SetImgAux2(look.Aux2);
        } else if (auto* digits = qobject_cast<TVESKNumLabel*>(control)) {
            digits->SetSkin(look.Background);
            digits->SetCaption(look.Caption);
            digits->update();
        } else if (auto* label = qobject_cast<TVESKSELabel*>(control)) {
            // Bounds set after the auto-size stay until the next change, so
            // the label ends where the editor had placed it.
            label->SetFont(look.Font);
            label->SetColor(look.Color);
            label->SetCaption(look.Caption);
            label->SetAutoSize(look.AutoSize);
            label->SetShowsBounds(true);
            label->setGeometry(look.Geometry);
        }
    }
    FLooks.clear();
}

const TRestLooks::TLook* TRestLooks::Find(const QWidget* control) const {
    for (const TLook& look : FLooks)
        if (look.Control == control)
            return &look;
    return nullptr;
}

QImage TRestLooks::Background(const QWidget* control) const {
    const TLook* look = Find(control);
    return look && qobject_cast<const TVESKSESkin*>(control) ? look->Background : QImage();
}

QImage TRestLooks::Aux1(const QWidget* control) const {
    const TLook* look = Find(control);
    return look ? look->Aux1 : QImage();
}

QImage TRestLooks::Aux2(const QWidget* control) const {
    const TLook* look = Find(control);
    return look ? look->Aux2 : QImage();
}

QImage TRestLooks::Strip(const QWidget* control) const {
    const TLook* look = Find(control);
    return look && qobject_cast<const TVESKNumLabel*>(control) ? look->Background : QImage();
}

QString TRestLooks::Caption(const QWidget* control) const {
    const TLook* look = Find(control);
    return look ? look->Caption : QString();
}
