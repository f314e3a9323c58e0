// The package container: load, extract every member, save, and load the
// saved bytes again. A saved package must read back as the same members.

#include <memory>
#include <vector>

#include "FuzzSupport.h"
#include "storage/VESKCustomFile.h"
#include "storage/VESKErrors.h"

namespace {

struct Member {
    QByteArray name;
    bool present = false;
    QByteArray content;
};

QByteArray StoredName(const TVESKCustomFile& package, int index) {
    return FieldText(package.Items(index)->Name, 32);
}

// Extracts by index order, looking each member up by its own name as the
// skin package does; with duplicate names the first one answers.
std::vector<Member> ExtractAll(TVESKCustomFile& package) {
    std::vector<Member> members;
    for (int i = 0; i < package.Count(); ++i) {
        Member member;
        member.name = StoredName(package, i);
        if (auto stream = package.ExtractFile(package.ItemName(i))) {
            FUZZ_CHECK(stream->pos() == 0);
            FUZZ_CHECK(stream->size() <= TVESKCustomFile::MaxMemberSize);
            member.present = true;
            member.content = stream->data();
        }
        members.push_back(member);
    }
    return members;
}

QByteArray Save(TVESKCustomFile& package) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    package.SaveToStream(out);
    return out.data();
}

// Offsets are taken as stored, so a record may point past the bytes that
// were read; such a package refuses to be saved rather than write garbage.
bool AllAddressable(const TVESKCustomFile& package) {
    qint64 dataSize = 0;
    for (int i = 0; i < package.Count(); ++i)
        dataSize += package.Items(i)->CompressedSize;
    for (int i = 0; i < package.Count(); ++i) {
        const TVESKFileItem* item = package.Items(i);
        if (qint64(item->Offset) + item->CompressedSize > dataSize)
            return false;
    }
    return true;
}

void CheckRoundTrip(TVESKCustomFile& package) {
    const std::vector<Member> before = ExtractAll(package);
    QByteArray saved;
    try {
        saved = Save(package);
    } catch (const EReadError&) {
        FUZZ_CHECK(!AllAddressable(package));
        return;
    }
    FUZZ_CHECK(AllAddressable(package));

    TVESKCustomFile reloaded;
    FuzzStream input(saved);
    FUZZ_CHECK(reloaded.LoadFromStream(input));
    FUZZ_CHECK(reloaded.Count() == package.Count());
    FUZZ_CHECK(reloaded.Header.Count == std::uint32_t(reloaded.Count()));
    FUZZ_CHECK(FieldText(reloaded.Header.SkinName, 32) == FieldText(package.Header.SkinName, 32));

    const std::vector<Member> after = ExtractAll(reloaded);
    for (std::size_t i = 0; i < before.size(); ++i) {
        FUZZ_CHECK(after[i].name == before[i].name);
        FUZZ_CHECK(after[i].present == before[i].present);
        FUZZ_CHECK(after[i].content == before[i].content);
    }
    // Saving is a fixed point once the offsets are the running sums.
    FUZZ_CHECK(Save(reloaded) == saved);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    TVESKCustomFile package;
    FuzzStream input(bytes);
    try {
        if (!package.LoadFromStream(input))
            return 0;
    } catch (const EReadError&) {
        // A package cut short keeps the members read before the cut; they
        // must still extract and save as well as any others.
    }
    FUZZ_CHECK(package.Header.Count == std::uint32_t(package.Count()));
    CheckRoundTrip(package);
    return 0;
}
