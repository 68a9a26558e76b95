// Finding, reading and writing a picture's sidecars. For a RAW, NAME.EXT.xmp counts, else a NAME.xmp that records no
// other extension; a picture written in place keeps in step only a sidecar that names it. An erase deletes a sidecar we
// made, not reached through a link, once it holds nothing else.
#include "commentlib/sidecar_file.h"

#include "commentlib/camera_raw.h"
#include "commentlib/corvane.h"
#include "commentlib/fields/caption_fields.h"
#include "commentlib/fields/foreign_text.h"
#include "commentlib/file_io/new_file_creation.h"
#include "commentlib/file_io/pending_replacement.h"
#include "commentlib/xmp_sidecar.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <optional>

namespace corvane::sidecar {

namespace {

std::atomic<int32_t> processNaming{int32_t(Naming::WithExtension)};

// Far beyond any sidecar a program writes, history and all.
constexpr uint64_t kMaxSidecarBytes = uint64_t(64) << 20;
// A sidecar another program creates between our look and our creation is looked at again, this many times.
constexpr int kAttempts = 3;

// A sidecar that stands beside the picture, opened and read.
struct Opened {
    std::string name;
    bool viaLink = false;
    std::unique_ptr<SourceFile> file = std::make_unique<SourceFile>();
    int32_t status = CORVANE_OK;
    std::string document;
    xmp::SidecarFacts facts;
};

int32_t read(const SourceFile& picture, Opened& sidecar)
{
    if (const int32_t status = SourceFile::open(picture.siblingPath(sidecar.name), *sidecar.file); status != CORVANE_OK)
        return status;
    if (sidecar.file->size() > kMaxSidecarBytes)
        return CORVANE_E_TOO_LARGE;
    if (const int32_t status = sidecar.file->loadWhole(); status != CORVANE_OK)
        return status;
    sidecar.document = std::string(asText(sidecar.file->bytes()));
    const auto facts = xmp::sidecarFacts(sidecar.document);
    if (!facts)
        return CORVANE_E_SIDECAR;
    sidecar.facts = *facts;
    return sidecar.file->checkUnchanged();
}

// The sidecar named `base` and .xmp (else .XMP) when one stands beside the picture.
std::optional<Opened> lookUp(const SourceFile& picture, const std::string& base)
{
    for (const char* suffix : {".xmp", ".XMP"}) {
        Opened sidecar;
        sidecar.name = base + suffix;
        struct stat named {};
        if (fstatat(picture.folder(), sidecar.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
            // A picture's name may leave no room for a sidecar's: none can stand there.
            if (errno == ENOENT || errno == ENAMETOOLONG)
                continue;
            sidecar.status = CORVANE_E_OPEN;
            return sidecar;
        }
        sidecar.viaLink = S_ISLNK(named.st_mode);
        sidecar.status = read(picture, sidecar);
        return sidecar;
    }
    return std::nullopt;
}

// The sidecars standing beside a picture.
struct Found {
    std::string extension;
    std::string stem;
    std::optional<Opened> withExtension;    // NAME.EXT.xmp
    std::optional<Opened> withoutExtension; // NAME.xmp
};

Found find(const SourceFile& picture)
{
    Found found;
    found.extension = raw::extensionOf(picture.name());
    found.stem = raw::stemOf(picture.name());
    // A name without an extension has one sidecar name only, NAME.xmp.
    if (!found.extension.empty())
        found.withExtension = lookUp(picture, picture.name());
    found.withoutExtension = lookUp(picture, found.stem);
    return found;
}

bool recordsOtherExtension(const Found& found, const Opened& sidecar)
{
    return !sidecar.facts.forExtension.empty() && !found.extension.empty() &&
           !raw::equalIgnoringCase(sidecar.facts.forExtension, found.extension);
}

// The RAW's sidecar that counts. A NAME.xmp that cannot be read may be the RAW's: it counts, so its fault is told.
Opened* counting(Found& found)
{
    if (found.withExtension)
        return &*found.withExtension;
    if (!found.withoutExtension)
        return nullptr;
    Opened& shared = *found.withoutExtension;
    return shared.status != CORVANE_OK || !recordsOtherExtension(found, shared) ? &shared : nullptr;
}

// The sidecar of a picture written in place: NAME.EXT.xmp, or a NAME.xmp that records EXT.
Opened* claimed(Found& found)
{
    if (found.withExtension)
        return &*found.withExtension;
    if (!found.withoutExtension || found.extension.empty())
        return nullptr;
    Opened& shared = *found.withoutExtension;
    return shared.status == CORVANE_OK && raw::equalIgnoringCase(shared.facts.forExtension, found.extension) ? &shared
                                                                                                             : nullptr;
}

int32_t replaceContents(SourceFile& file, const std::string& contents)
{
    EditPlan plan(file.size());
    plan.replace(0, file.size(), Bytes(contents.begin(), contents.end()));
    PendingReplacement replacement;
    if (const int32_t status = replacement.prepare(file, plan); status != CORVANE_OK)
        return status;
    return replacement.replaceAlone(file);
}

// Gives an existing sidecar `text` as its description (and `extension` as its SidecarForExtension where it
// records none); an erase deletes a sidecar of our own that holds nothing else then.
int32_t update(Opened& sidecar, std::string_view text, std::string_view extension, Outcome& outcome)
{
    if (sidecar.status != CORVANE_OK)
        return sidecar.status;
    const auto edited = xmp::sidecarWith(sidecar.document, text, extension);
    if (!edited)
        return CORVANE_E_SIDECAR;
    if (text.empty() && sidecar.facts.madeByUs && !sidecar.viaLink && sidecar.file->status().st_nlink == 1) {
        const auto left = xmp::sidecarFacts(*edited);
        if (left && left->holdsNothingElse) {
            const int32_t status = removeFile(*sidecar.file);
            outcome.change = status == CORVANE_OK ? Change::Removed : Change::None;
            return status;
        }
    }
    if (*edited == sidecar.document)
        return CORVANE_OK;
    const int32_t status = replaceContents(*sidecar.file, *edited);
    if (status == CORVANE_OK)
        outcome.change = Change::Written;
    return status;
}

// The name a write gives the RAW's new sidecar: NAME.EXT.xmp, or NAME.xmp where the process asks for it and
// no sibling's NAME.xmp stands there.
std::string newName(const SourceFile& picture, const Found& found)
{
    const bool withoutExtension =
        found.extension.empty() || (naming() == Naming::WithoutExtension && !found.withoutExtension);
    return (withoutExtension ? found.stem : picture.name()) + ".xmp";
}

}

void setNaming(Naming naming)
{
    processNaming.store(int32_t(naming));
}

Naming naming()
{
    return Naming(processNaming.load());
}

std::vector<Sidecar> sidecarsOf(const SourceFile& picture, bool raw)
{
    Found found = find(picture);
    const Opened* chosen = raw ? counting(found) : claimed(found);
    std::vector<Sidecar> sidecars;
    for (const std::optional<Opened>* present : {&found.withExtension, &found.withoutExtension}) {
        if (!*present)
            continue;
        const Opened& sidecar = **present;
        Role role = raw ? Role::Caption : Role::KeptInStep;
        if (&sidecar != chosen) {
            const bool sibling = sidecar.status == CORVANE_OK && recordsOtherExtension(found, sidecar);
            role = sibling ? Role::Sibling : raw ? Role::Overridden : Role::Unclaimed;
        }
        sidecars.push_back({sidecar.name, picture.siblingPath(sidecar.name), sidecar.status,
                            handedOver(sidecar.facts.description), sidecar.facts.forExtension, role});
    }
    return sidecars;
}

ReadResult readCaption(const SourceFile& picture)
{
    Found found = find(picture);
    const Opened* sidecar = counting(found);
    if (sidecar && sidecar->status != CORVANE_OK)
        return readFailure(sidecar->status);
    std::string text = sidecar ? handedOver(sidecar->facts.description) : std::string();
    std::vector<CaptionField> fields{{kXmpDescriptionField, text}};
    return {CORVANE_OK, std::move(text), std::move(fields)};
}

int32_t writeCaption(const SourceFile& picture, std::string_view text, Outcome& outcome)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Found found = find(picture);
        if (Opened* sidecar = counting(found)) {
            outcome.path = picture.siblingPath(sidecar->name);
            const bool shared = found.withoutExtension && sidecar == &*found.withoutExtension;
            return update(*sidecar, text, shared && !text.empty() ? found.extension : std::string(), outcome);
        }
        if (text.empty())
            return CORVANE_OK;
        const std::string name = newName(picture, found);
        const bool shared = name != picture.name() + ".xmp";
        const auto contents = xmp::newSidecar(text, shared ? found.extension : std::string());
        if (!contents)
            return CORVANE_E_SIDECAR;
        const int32_t status = createNewFile(picture.folder(), name,
                                             {reinterpret_cast<const uint8_t*>(contents->data()), contents->size()});
        if (status == kNameTaken)
            continue;
        if (status == CORVANE_OK)
            outcome = {picture.siblingPath(name), Change::Created};
        return status;
    }
    return CORVANE_E_CHANGED;
}

int32_t keepInStep(const SourceFile& picture, std::string_view text, Outcome& outcome)
{
    Found found = find(picture);
    Opened* sidecar = claimed(found);
    if (!sidecar)
        return CORVANE_OK;
    outcome.path = picture.siblingPath(sidecar->name);
    return update(*sidecar, text, {}, outcome);
}

std::string captionFile(const SourceFile& picture)
{
    Found found = find(picture);
    if (const Opened* sidecar = counting(found))
        return picture.siblingPath(sidecar->name);
    return picture.siblingPath(newName(picture, found));
}

}
