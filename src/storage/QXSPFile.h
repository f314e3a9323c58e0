#pragma once

#include <memory>

#include <QImage>
#include <QString>

#include "storage/VESKCustomFile.h"

class TSkinProject;

// The container seen as a skin: main.ini as the project document, colour
// schemes, and a fallback to the skin built into the program.
class TQXSPCustomFile : public TVESKCustomFile {
public:
    static constexpr int MaxThemeCount = 1000;

    TQXSPCustomFile() = default;
    ~TQXSPCustomFile() override;

    // Input that is not a package loads the built-in skin and answers true;
    // the project is loaded on every path, also when the read fails.
    bool LoadFromStream(QIODevice& source) override;
    void Close() override;

    virtual void LoadProject();
    virtual void ApplyTheme(QImage& bitmap);
    virtual bool IsThemeValid(int value);
    virtual int GetThemeValue(int index);
    virtual QString GetThemeName(int index);
    virtual int GetThemeCount();
    virtual void LoadDefault();
    virtual void LoadFromFile(const QString& fileName);

protected:
    // Reads a document member; one that cannot be read is reported with
    // action and leaves the document empty.
    void LoadDocumentMember(const QString& member, TSkinProject& document, const QString& action);

public:
    QString Author;
    QString SkinName;
    std::unique_ptr<TSkinProject> Project;
    int ThemeCount = 0;
    // Set when the input was no package and the built-in skin was read in
    // its place.
    bool FellBack = false;

private:
    // Set while the built-in skin is being read, so a damaged resource ends
    // as an empty package instead of recursing without end.
    bool FLoadingDefault = false;
};

// The skin with its standard members turned into objects and its fonts
// installed for the previews.
class TQXSPFile : public TQXSPCustomFile {
public:
    // A skin carries a handful of fonts. Each one installed is a file
    // written and synced and a registration, so a package of thousands of
    // tiny font members would stall the editor for minutes; only the first
    // ones in member order are installed.
    static constexpr int MaxFontCount = 64;

    TQXSPFile() = default;
    ~TQXSPFile() override;

    void Close() override;
    void LoadProject() override;
    // Each member on its own: one that cannot be read is reported in
    // Problems and left empty, and the others load all the same.
    virtual void LoadMembers();
    void InstallFonts();

    std::unique_ptr<TSkinProject> ParentIni;
    std::unique_ptr<QImage> MainBmp;
    std::unique_ptr<QImage> EquaBmp;
    std::unique_ptr<TSkinProject> EquaIni;
    std::unique_ptr<QImage> MaskBmp;

private:
    void LoadBitmapMember(const QString& member, QImage& target, const QString& action);
};

// A bitmap member decoded; missing gives a null image, and one that cannot be
// inflated or decoded is reported in the package's Problems with action.
QImage ReadBitmapMember(TVESKCustomFile& package, const QString& member, const QString& action);

// The colour schemes main.ini stores, as far as they can be read. A count
// that is no number counts the schemes stored one after another; a hue that
// is no number is 0. With problems, what was wrong is added there.
int StoredSchemeCount(TSkinProject& project, TLoadProblems* problems = nullptr);
int StoredSchemeValue(TSkinProject& project, int index, TLoadProblems* problems = nullptr);
