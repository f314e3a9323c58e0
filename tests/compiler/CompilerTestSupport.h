#pragma once

#include <QBuffer>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include "controls/VESKSELabel.h"
#include "controls/VESKSENumLabel.h"
#include "controls/VESK_SE_Panel.h"
#include "text/SkinProject.h"

namespace CompilerTest {

// A document from INI text; lines are joined with CR LF.
inline std::unique_ptr<TSkinProject> Document(const QStringList& lines = {}) {
    auto document = std::make_unique<TSkinProject>();
    QBuffer buffer;
    buffer.setData(lines.join(QStringLiteral("\r\n")).toUtf8());
    buffer.open(QIODevice::ReadOnly);
    document->LoadFromStream(buffer);
    return document;
}

// The keys of a section in document order.
inline QStringList Keys(TSkinProject& document, const QString& section) {
    QStringList keys;
    const int index = document.FindSection(section);
    if (index < 0)
        return keys;
    if (const TVESKStringListW* list = document.Sections.Objects(index))
        for (int i = 0; i < list->Count(); ++i)
            keys << list->Names(i);
    return keys;
}

inline QString Value(TSkinProject& document, const QString& section, const QString& key) {
    return document.ReadString(section, key, QStringLiteral("<missing>"));
}

template <class Control> Control* Make(QWidget* parent, const QString& name, const QRect& bounds) {
    auto* control = new Control(parent);
    control->SetName(name);
    control->setGeometry(bounds);
    return control;
}

inline TVESKSELabel* MakeLabel(QWidget* parent, const QString& name, const QRect& bounds,
                               const TFont& font = TFont()) {
    auto* label = new TVESKSELabel(parent);
    label->SetAutoSize(false);
    label->SetName(name);
    label->SetFont(font);
    label->setGeometry(bounds);
    return label;
}

inline QImage Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace CompilerTest
