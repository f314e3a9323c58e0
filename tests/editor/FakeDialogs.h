#pragma once

#include "editor/EditorDialogs.h"

// Answers the editor's questions without a modal loop and remembers what
// was asked.
class TFakeDialogs : public IEditorDialogs {
public:
    QString OpenAnswer;
    int OpenCalls = 0;
    QString OpenFilter;
    int InformationCalls = 0;
    QString InformationCaption;
    QString InformationText;

    QString OpenFileName(QWidget*, const QString&, const QString& filter) override {
        ++OpenCalls;
        OpenFilter = filter;
        return OpenAnswer;
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    std::optional<QColor> Color(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<TFont> Font(QWidget*, const TFont&) override { return std::nullopt; }
    std::optional<QString> Text(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void Information(QWidget*, const QString& caption, const QString& text) override {
        ++InformationCalls;
        InformationCaption = caption;
        InformationText = text;
    }
};
