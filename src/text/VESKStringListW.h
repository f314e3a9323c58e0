#pragma once

#include <vector>

#include <QIODevice>
#include <QString>

class TVESKStringListW;

// Section and key names match without regard to case over their whole length.
bool WideSameText(const QString& a, const QString& b);

// One entry of a wide string list. The object is a plain reference: whoever
// stored it owns it (the INI document keeps each section's key list here).
struct TStringItem {
    QString Text;
    QString Name;
    TVESKStringListW* Object = nullptr;
};

// An ordered list of wide strings, each with an optional name and object.
// Reads outside the list answer empty values instead of failing, because INI
// lookups probe freely.
class TVESKStringListW {
public:
    TVESKStringListW() = default;
    virtual ~TVESKStringListW();
    TVESKStringListW(const TVESKStringListW&) = delete;
    TVESKStringListW& operator=(const TVESKStringListW&) = delete;

    virtual void BeginUpdate();
    virtual void EndUpdate();

    int Count() const { return int(FItems.size()); }
    QString Strings(int index) const;
    void SetStrings(int index, const QString& text);
    QString Names(int index) const;
    TVESKStringListW* Objects(int index) const;

    void Insert(int index, const QString& text, TVESKStringListW* object, const QString& name);
    void AddObject(const QString& text, TVESKStringListW* object);
    void AddPair(const QString& text, const QString& name);
    bool Delete(int index);
    int IndexOfName(const QString& name) const;
    void Clear();

    // Replaces the content by the lines of text: LF, CR and U+2028 end a line,
    // and any run of breaks and NULs after a line counts as one break.
    void SetText(const QString& text);
    // A text takes about a hundred times its size in memory once split into
    // lines and sections; no skin's INI text comes near this (they hold a
    // few hundred keys), so a longer one is refused before it is read.
    static constexpr qint64 MaxTextSize = qint64(4) * 1024 * 1024;

    // UTF-16LE or UTF-8 after its byte-order mark, otherwise 8-bit code page
    // text, from
    // the stream's position to its end. Raises EOutOfMemory for more than
    // MaxTextSize bytes.
    bool LoadFromStream(QIODevice& source);

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    std::vector<TStringItem> FItems;
    int FUpdateCount = 0;
};
