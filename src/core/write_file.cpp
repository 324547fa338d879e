// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/write_file.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <random>
#include <string>

#include "core/byte_sink.h"
#include "core/error.h"
#include "core/native_file.h"
#include "core/path_text.h"
#include "core/stream_error.h"

namespace maprune {

namespace fs = std::filesystem;

namespace {

// Links of links are followed up to this depth, as the system itself does.
constexpr int kMaxLinkDepth = 40;
constexpr size_t kMaxTemporaryDigits = 6;
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr size_t kBufferBytes = 64 * 1024;

// The file that a save of `path` replaces: the end of its chain of symbolic
// links, so that the link stays and the file it names gets the content.
fs::path FinalTarget(const fs::path& path)
{
    fs::path target = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            ThrowSaveFailure(path, ec.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    ThrowSaveFailure(path, ELOOP);
}

// A name beside `target` that no file has yet; random, so that an
// interrupted earlier save does not get in the way. The file is created
// exclusively by the caller, which tries again on a collision.
fs::path TemporaryName(const fs::path& target, std::mt19937& random)
{
    fs::path name = target;
    name += "." + std::to_string(random() % 1000000) + std::string(kTemporarySuffix);
    return name;
}

void RemoveQuietly(const fs::path& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

void RemoveStaleTemporaries(const fs::path& target)
{
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string targetName = target.filename().string();
    const auto staleBefore = fs::file_time_type::clock::now() - kStaleTemporaryAge;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!IsTemporaryFileName(it->path().filename().string(), targetName)
            || !it->is_regular_file(entryError) || it->is_symlink(entryError))
            continue;
        const auto modified = fs::last_write_time(it->path(), entryError);
        if (!entryError && modified < staleBefore)
            RemoveQuietly(it->path());
    }
}

// The temporary file of one save as a sink, buffered; removed unless it was
// renamed over the target.
class TemporaryFile final : public ByteSink {
public:
    TemporaryFile(const fs::path& target, const fs::path& shown, NewFileAccess access)
        : FTarget(target)
        , FShown(shown)
    {
        std::random_device seed;
        std::mt19937 random(seed());
        for (;;) {
            FPath = TemporaryName(target, random);
            try {
                FFile = std::make_unique<NativeFile>(FPath, shown);
                break;
            } catch (const Error&) {
                std::error_code ec;
                if (!fs::exists(FPath, ec))
                    throw;
            }
        }
        FFile->TakeAccessOf(target, access);
        FBuffer.reserve(kBufferBytes);
    }

    ~TemporaryFile() override
    {
        if (!FRenamed) {
            FFile.reset();
            RemoveQuietly(FPath);
        }
    }

    void Write(std::string_view bytes) override
    {
        if (FBuffer.size() + bytes.size() > kBufferBytes) {
            Flush();
            if (bytes.size() >= kBufferBytes) {
                FFile->Write(bytes);
                return;
            }
        }
        FBuffer.append(bytes);
    }

    void ReplaceTarget()
    {
        Flush();
        FFile->Sync();
        FFile->Close();
        RenameOver(FPath, FTarget, FShown);
        FRenamed = true;
        SyncFolder(FTarget.parent_path());
    }

private:
    void Flush()
    {
        FFile->Write(FBuffer);
        FBuffer.clear();
    }

    fs::path FTarget;
    fs::path FShown;
    fs::path FPath;
    std::unique_ptr<NativeFile> FFile;
    std::string FBuffer;
    bool FRenamed = false;
};

} // namespace

bool IsTemporaryFileName(std::string_view name, std::string_view targetName)
{
    if (name.size() <= targetName.size() + 1 + kTemporarySuffix.size()
        || name.substr(0, targetName.size()) != targetName || name[targetName.size()] != '.'
        || !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view digits = name.substr(targetName.size() + 1,
        name.size() - targetName.size() - 1 - kTemporarySuffix.size());
    return digits.size() <= kMaxTemporaryDigits
        && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void WriteFileAtomically(
    const fs::path& path, const std::function<void(ByteSink&)>& write, NewFileAccess access)
{
    const fs::path target = FinalTarget(path);
    // A rename would put a regular file in place of a device, a FIFO or a
    // socket: whatever read from or wrote through it would lose it.
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        throw StreamWriteError("Die Datei \"" + PathText(path)
            + "\" konnte nicht gespeichert werden: sie ist keine gewöhnliche Datei "
              "(ein Gerät, eine Pipe oder ein Ordner).");
    }
    RemoveStaleTemporaries(target);
    TemporaryFile file(target, path, access);
    write(file);
    file.ReplaceTarget();
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes)
{
    WriteFileAtomically(path, [bytes](ByteSink& file) { file.Write(bytes); });
}

} // namespace maprune
