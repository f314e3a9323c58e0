#pragma once

#include <QIODevice>
#include <QString>

#include "text/VESKStringListW.h"

// Writes text without a terminator: UTF-16LE code units, or code page bytes
// when ansi is set.
void WriteText(QIODevice& stream, const QString& text, bool ansi);

// An INI document of wide strings. No comments, trimming, quoting or escapes:
// what a line holds after the first "=" is the value, exactly. Duplicate
// sections and keys survive a load; lookups take the first match.
class TVESKIniFileW {
public:
    // Loads the file when it exists (through this class's LoadFromStream: a
    // derived class is not built yet). A document with an empty file name
    // lives in memory only.
    explicit TVESKIniFileW(const QString& fileName = QString(), bool autoSave = false);
    // Writes the document to FileName first when AutoSave is set.
    virtual ~TVESKIniFileW();
    TVESKIniFileW(const TVESKIniFileW&) = delete;
    TVESKIniFileW& operator=(const TVESKIniFileW&) = delete;

    virtual void LoadFromFile();
    // False when FileName cannot be created.
    virtual bool SaveToFile();
    // Adds the stream's sections to the present content.
    virtual void LoadFromStream(QIODevice& source);
    // Raises EConvertError naming the value's place when it is no integer.
    virtual int ReadInteger(const QString& section, const QString& key, int defaultValue);
    virtual QString ReadString(const QString& section, const QString& key,
                               const QString& defaultValue);
    virtual void WriteString(const QString& section, const QString& key, const QString& value);

    void SaveToStream(QIODevice& destination, bool ansi);
    int FindSection(const QString& name);
    int AddSection(const QString& name);
    void EraseSection(const QString& name);
    void Clear();

    bool ReadBool(const QString& section, const QString& key, bool defaultValue);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteInteger(const QString& section, const QString& key, int value);
    bool ValueExists(const QString& section, const QString& key);

    // One item per section: its name as text and its key list (owned by the
    // document, keys as names, values as texts) as object. Change sections
    // through the document's operations so the key lists are freed.
    TVESKStringListW Sections;
    QString FileName;
    bool AutoSave = false;
    // A one-entry cache for runs of reads and writes in the same section.
    int LastSection = -1;
    // The encoding SaveToFile uses: code page text when set, UTF-16LE with
    // a byte-order mark otherwise.
    bool Ansi = false;
    // The member the document holds ("main.ini"), named with the section and
    // key when a value does not parse.
    QString Origin;

private:
    void AddLines(const TVESKStringListW& lines);
};
