#pragma once

#include <QFile>
#include <QString>

// A file stream opened by name with the classic mode word: 0xFFFF creates
// (or truncates) the file for reading and writing; any other value opens an
// existing file, its low two bits choosing the access (0 read, 1 write,
// 2 both). Sharing bits have no meaning on this platform and are ignored.
class TVESKFileStreamW : public QFile {
public:
    static constexpr quint16 fmCreate = 0xFFFF;
    static constexpr quint16 fmOpenRead = 0x0000;
    static constexpr quint16 fmOpenWrite = 0x0001;
    static constexpr quint16 fmOpenReadWrite = 0x0002;

    TVESKFileStreamW(const QString& fileName, quint16 mode);

    // False when the file could not be opened or created; reads and writes
    // on an invalid stream fail like those on a closed device.
    bool IsValid() const { return isOpen(); }
};

// True when the name denotes an existing file that is not a directory.
bool FileExistsW(const QString& fileName);
