// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/list_archive.h"

#include "editor/editor_errors.h"
#include "editor/file_moves.h"
#include "editor/word_list_editor.h"
#include "editor/word_names.h"
#include "game/game.h"
#include "game/word_rules.h"
#include "picture/codec/jpeg_decode.h"
#include "picture/picture_saver.h"
#include "speech/recording_files.h"
#include "system/directory_search.h"
#include "system/file_errors.h"
#include "system/file_path.h"
#include "system/utf8.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace brindolo {

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

[[noreturn]] void zipFailed(const std::string& what, zip_error_t* error)
{
    const int code = zip_error_code_system(error);
    throw EInOutError(what + ": " + zip_error_strerror(error), code != 0 ? code : EIO);
}

Zip openZip(const std::string& path, int flags)
{
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), flags, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string what = "Cannot open " + path;
        try {
            zipFailed(what, &error);
        } catch (...) {
            zip_error_fini(&error);
            throw;
        }
    }
    return Zip(archive);
}

// The extension of name in small ASCII letters, without its dot.
std::string extensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    std::string extension(dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

bool isRecordingName(std::string_view name)
{
    return recordingExtensions().contains(QString::fromStdString(extensionOf(name)));
}

std::set<std::string> recordingExtensionSet()
{
    std::set<std::string> extensions;
    for (const QString& extension : recordingExtensions())
        extensions.insert(extension.toStdString());
    return extensions;
}

void addFile(zip_t* archive, const std::string& path, const std::string& name)
{
    zip_source_t* source = zip_source_file(archive, path.c_str(), 0, -1);
    if (!source)
        zipFailed("Cannot read " + path, zip_get_error(archive));
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
        zip_source_free(source);
        zipFailed("Cannot add " + path, zip_get_error(archive));
    }
    // Pictures and compressed sound would not pack smaller: they are
    // stored as they are, and only a WAV recording is packed.
    if (extensionOf(name) != "wav")
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    // An ordinary file for every unzip tool.
    zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                     static_cast<zip_uint32_t>(S_IFREG | 0644) << 16);
}

}  // namespace

int exportList(const std::string& folder, const std::string& theme, const std::string& archive)
{
    // The theme's name becomes the entries' folder: "../x" would make an
    // archive that writes outside the list it is unpacked into.
    if (!theme.empty())
        if (const std::string problem = themeNameProblem(theme); !problem.empty())
            throw EBadName(theme + ": " + problem);
    const std::vector<std::string> pictures = catalogueNames(folder, theme);
    if (pictures.empty())
        throw Exception(joinPath(folder, theme) + ": there are no pictures to share");
    Zip zip = openZip(archive, ZIP_CREATE | ZIP_TRUNCATE);
    std::set<std::string> themes;
    int entries = 0;
    for (const std::string& name : pictures) {
        if (const std::size_t slash = name.find('/'); slash != std::string::npos && themes.insert(name.substr(0, slash)).second) {
            if (zip_dir_add(zip.get(), name.substr(0, slash).c_str(), ZIP_FL_ENC_GUESS) < 0)
                zipFailed("Cannot add the theme " + name.substr(0, slash), zip_get_error(zip.get()));
            ++entries;
        }
        const std::string path = joinPath(folder, name);
        addFile(zip.get(), path, name);
        ++entries;
        if (const std::string recording = recordingBeside(path); !recording.empty()) {
            addFile(zip.get(), recording, name.substr(0, name.rfind('/') + 1) + std::string(fileNameOf(recording)));
            ++entries;
        }
    }
    // libzip writes the archive beside its place and renames it there.
    if (zip_close(zip.get()) != 0)
        zipFailed("Cannot write " + archive, zip_get_error(zip.get()));
    zip.release();
    return entries;
}

namespace {

// What an entry is, and so how it is checked and placed.
enum class Kind {
    Folder,     // a theme
    Jpeg,       // a picture of a shared list, kept as it is once the game's reader reads it
    Converted,  // any other picture: saved through the picture saver, as one added
    Recording,
};

// One archive entry that passed the checks, and where it goes.
struct Entry {
    zip_uint64_t index = 0;
    std::string name;     // as in the archive
    std::string target;   // its game name in the list: "theme/word.jpg", or "theme" for a folder
    Kind kind = Kind::Folder;
    std::uint64_t size = 0;
};

// The extensions of the picture formats Qt reads here, in small letters.
const std::set<std::string>& pictureExtensions()
{
    static const std::set<std::string> extensions = [] {
        std::set<std::string> found{"jpg", "jpeg"};
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            found.insert(extensionOf("." + format.toLower().toStdString()));
        return found;
    }();
    return extensions;
}

std::string listed(const std::set<std::string>& extensions)
{
    std::string text;
    for (const std::string& extension : extensions)
        text += (text.empty() ? "." : ", .") + extension;
    return text;
}

// What makes two entries, or an entry and a file of the list, one word to
// the game: the theme, and the name whichever case it is shown in.
std::string sameWordKey(const std::string& theme, const std::string& file)
{
    return theme + "/" + caseInsensitiveForm(file);
}

// The entries refused, each by name, into one message.
class Refusals {
public:
    void add(const std::string& name, const std::string& why) { lines_.push_back(terminalSafe(name) + ": " + why); }
    bool any() const { return !lines_.empty(); }
    [[noreturn]] void raise(const std::string& archive) const
    {
        constexpr std::size_t kShown = 20;
        std::string message = archive + ": nothing was imported, because of what it holds:";
        for (std::size_t i = 0; i < lines_.size() && i < kShown; ++i)
            message += "\n  " + lines_[i];
        if (lines_.size() > kShown)
            message += "\n  and " + std::to_string(lines_.size() - kShown) + " more";
        throw EArchiveRefused(message);
    }

private:
    std::vector<std::string> lines_;
};

// Files that archiving tools add on their own, never a teacher's: left out.
bool isToolLitter(const std::string& name)
{
    const std::string_view file = fileNameOf(name);
    return name.starts_with("__MACOSX/") || file == ".DS_Store" || file == "Thumbs.db" || file == "desktop.ini";
}

// Why the archive's name cannot be unpacked into a list; empty when it can.
// parts receives its folder parts and file name.
std::string nameProblem(const std::string& name, bool folder, std::vector<std::string>& parts)
{
    if (name.empty())
        return "an entry with no name";
    if (name.starts_with('/'))
        return "an absolute name, which would be written outside the list";
    if (name.find('\\') != std::string::npos)
        return "a name with \"\\\", which some tools take for a folder";
    std::string rest = folder ? name.substr(0, name.size() - 1) : name;
    for (std::size_t slash; (slash = rest.find('/')) != std::string::npos; rest.erase(0, slash + 1))
        parts.push_back(rest.substr(0, slash));
    parts.push_back(rest);
    for (const std::string& part : parts) {
        if (part == ".." || part == "." || part.empty())
            return "a name with \"..\", \".\" or an empty part, which could lead outside the list";
        if (part.starts_with('.'))
            return "a hidden file or folder";
    }
    if (parts.size() > (folder ? 1u : 2u))
        return "folders inside a theme's folder: a list has one level of themes";
    if (folder || parts.size() == 2)
        if (const std::string problem = themeNameProblem(parts.front()); !problem.empty())
            return problem;
    return {};
}

std::string typeProblem(zip_t* zip, zip_uint64_t index, bool folder)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) != 0 || system != ZIP_OPSYS_UNIX)
        return {};
    const mode_t type = (attributes >> 16) & S_IFMT;
    if (type == 0 || type == (folder ? S_IFDIR : S_IFREG))
        return {};
    if (type == S_IFLNK)
        return "a symbolic link, which could lead outside the list";
    if (type == S_IFCHR || type == S_IFBLK)
        return "a device";
    if (type == S_IFDIR || type == S_IFREG)
        return "a folder and a file at once";
    return "a special file (a pipe or a socket)";
}

// The entries to unpack, all of them checked; Refusals for the others.
// keepJpeg: whether .jpg entries are a shared list's, kept as they are,
// or a camera's, made ready as an added picture is. displaced receives the
// list's recordings that those in the archive replace.
std::vector<Entry> checkedEntries(zip_t* zip, const std::string& folder, bool replace, bool keepJpeg,
                                  const ArchiveBounds& bounds, std::set<std::string>& displaced, Refusals& refused)
{
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    if (count > bounds.entries) {
        refused.add("the archive", std::to_string(count) + " entries, more than the " +
                                       std::to_string(bounds.entries) + " a word list is shared with");
        return {};
    }
    std::vector<Entry> entries;
    std::set<std::string> targets;
    std::map<std::string, ShownWords> shownWords;  // by theme, each read once
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* raw = zip_get_name(zip, index, ZIP_FL_ENC_GUESS);
        const std::string name = raw ? raw : "";
        if (isToolLitter(name))
            continue;
        Entry entry;
        entry.index = index;
        entry.name = name;
        const bool folderEntry = name.ends_with('/');
        std::vector<std::string> parts;
        const auto refuse = [&](const std::string& why) { refused.add(name.empty() ? "#" + std::to_string(i) : name, why); };
        if (const std::string problem = nameProblem(name, folderEntry, parts); !problem.empty()) {
            refuse(problem);
            continue;
        }
        if (const std::string problem = typeProblem(zip, index, folderEntry); !problem.empty()) {
            refuse(problem);
            continue;
        }
        const std::string theme = folderEntry || parts.size() == 1 ? std::string() : parts.front();
        const std::string prefix = theme.empty() ? "" : theme + "/";
        std::string word;
        if (!folderEntry) {
            const std::string& file = parts.back();
            const std::string extension = extensionOf(file);
            if (extension == "jpg" && keepJpeg)
                entry.kind = Kind::Jpeg;
            else if (pictureExtensions().contains(extension))
                entry.kind = Kind::Converted;
            else if (isRecordingName(file))
                entry.kind = Kind::Recording;
            else {
                refuse("neither a picture read here (" + listed(pictureExtensions()) + ") nor a recording (" +
                       listed(recordingExtensionSet()) + ")");
                continue;
            }
            word = proposedWord(file);
            if (word.empty()) {
                refuse("its name gives no word");
                continue;
            }
            entry.target = prefix + (entry.kind == Kind::Recording ? word + "." + extension : pictureFileName(word));
        } else {
            entry.target = parts.front();
        }
        zip_stat_t status;
        zip_stat_init(&status);
        if (zip_stat_index(zip, index, 0, &status) != 0) {
            refuse(zip_strerror(zip));
            continue;
        }
        if ((status.valid & ZIP_STAT_ENCRYPTION_METHOD) && status.encryption_method != ZIP_EM_NONE) {
            refuse("encrypted");
            continue;
        }
        if ((status.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(status.comp_method, 0)) {
            refuse("packed in a way this program cannot unpack");
            continue;
        }
        entry.size = status.size;
        if (entry.size > bounds.fileBytes) {
            refuse("unpacks to " + std::to_string(entry.size) + " bytes, more than the " +
                   std::to_string(bounds.fileBytes) + " a picture or recording may have");
            continue;
        }
        if (entry.size > bounds.ratioFloor && entry.size / bounds.packingRatio > status.comp_size) {
            refuse("unpacks to more than " + std::to_string(bounds.packingRatio) +
                   " times its packed size, as an archive made to fill the disk does");
            continue;
        }
        total += entry.size;
        if (!targets.insert(entry.kind == Kind::Folder ? entry.target
                                                        : sameWordKey(theme, std::string(fileNameOf(entry.target))))
                 .second) {
            refuse("the archive has it twice (as " + entry.target + ")");
            continue;
        }
        struct stat there {};
        const std::string themeFolder = joinPath(folder, theme);
        if (entry.kind == Kind::Folder) {
            if (::lstat(joinPath(folder, entry.target).c_str(), &there) == 0 && !S_ISDIR(there.st_mode))
                refuse(entry.target + " is a file in the list, not a theme");
            else
                entries.push_back(std::move(entry));
            continue;
        }
        if (!theme.empty() && ::lstat(themeFolder.c_str(), &there) == 0 && !S_ISDIR(there.st_mode)) {
            refuse(theme + " is a file in the list, not a theme");
            continue;
        }
        // The picture the game would show as this word, which a picture
        // replaces in its place and a recording speaks for.
        const std::string shownAs =
            shownWords.try_emplace(theme, themeFolder).first->second.find(pictureFileName(word));
        if (entry.kind == Kind::Recording) {
            const std::string picture = shownAs.empty() ? pictureFileName(word) : shownAs;
            entry.target = prefix + wordStem(picture) + "." + extensionOf(entry.target);
            const std::vector<std::string> older = recordingsBeside(joinPath(themeFolder, picture));
            if (!older.empty() && !replace) {
                refuse(prefix + std::string(fileNameOf(older.front())) + " is in the list already");
                continue;
            }
            displaced.insert(older.begin(), older.end());
        } else {
            if (!shownAs.empty())
                entry.target = prefix + shownAs;
            const bool exists = ::lstat(joinPath(folder, entry.target).c_str(), &there) == 0;
            if (exists && (!replace || !S_ISREG(there.st_mode))) {
                refuse(entry.target + " is in the list already");
                continue;
            }
        }
        entries.push_back(std::move(entry));
    }
    if (total > bounds.totalBytes)
        refused.add("the archive", "unpacks to " + std::to_string(total) + " bytes, more than the " +
                                       std::to_string(bounds.totalBytes) + " a word list is shared with");
    return entries;
}

// The entry's bytes, read no further than it said it holds.
std::string unpacked(zip_t* zip, const Entry& entry, Refusals& refused)
{
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, entry.index, 0));
    if (!file) {
        refused.add(entry.name, zip_strerror(zip));
        return {};
    }
    std::string bytes(entry.size + 1, '\0');
    std::uint64_t read = 0;
    while (read < bytes.size()) {
        const zip_int64_t got = zip_fread(file.get(), bytes.data() + read, bytes.size() - read);
        if (got < 0) {
            refused.add(entry.name, std::string("damaged: ") + zip_file_strerror(file.get()));
            return {};
        }
        if (got == 0)
            break;
        read += static_cast<std::uint64_t>(got);
    }
    if (read != entry.size) {
        refused.add(entry.name, "holds another size than the archive says");
        return {};
    }
    bytes.resize(read);
    return bytes;
}

std::string contentProblem(const Entry& entry, const std::string& bytes, const std::string& path)
{
    if (entry.kind == Kind::Jpeg) {
        const JpegReader reader(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), {});
        return reader.size().width > 0 ? std::string() : "not a JPEG picture the game can read";
    }
    const QString problem = recordingProblem(QFile::decodeName(QByteArray::fromStdString(path)));
    return problem.isEmpty() ? std::string() : "the recording " + problem.toStdString();
}

void writeAside(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw EInOutError("Cannot write " + path + ": " + errorText(errno), errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            throw EInOutError("Cannot write " + path + ": " + errorText(error), error);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0)
        throw EInOutError("Cannot write " + path + ": " + errorText(errno), errno);
}

// The hidden folder the archive is unpacked into, inside the list's folder
// so that its files are renamed into place; removed with what is left in it.
class AsideFolder {
public:
    explicit AsideFolder(const std::string& folder) : path_(joinPath(folder, ".brindolo-import-XXXXXX"))
    {
        if (!::mkdtemp(path_.data()))
            throw EInOutError("Cannot unpack into " + folder + ": " + errorText(errno), errno);
    }
    ~AsideFolder() { QDir(QFile::decodeName(QByteArray::fromStdString(path_))).removeRecursively(); }
    AsideFolder(const AsideFolder&) = delete;
    AsideFolder& operator=(const AsideFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The unpacked files renamed into the list, all or none: a file replaced or
// displaced is kept aside until every rename is done.
class PlaceInList {
public:
    PlaceInList(std::string list, std::string aside) : list_(std::move(list)), aside_(std::move(aside)) {}
    ~PlaceInList()
    {
        if (!done_)
            undo();
    }

    void folder(const std::string& theme)
    {
        const std::string path = joinPath(list_, theme);
        if (::mkdir(path.c_str(), 0777) == 0)
            made_.push_back(path);
        else if (errno != EEXIST)
            fail("Cannot make the theme " + path);
    }

    void file(const std::string& unpackedPath, const std::string& target)
    {
        const std::string path = joinPath(list_, target);
        struct stat there {};
        std::string kept;
        if (::lstat(path.c_str(), &there) == 0) {
            kept = joinPath(aside_, ".kept" + std::to_string(placed_.size()));
            if (::link(path.c_str(), kept.c_str()) != 0)
                fail("Cannot keep " + path + " aside");
            if (std::rename(unpackedPath.c_str(), path.c_str()) != 0)
                fail("Cannot move " + target + " into the list");
        } else if (renameWithoutReplacing(unpackedPath, path) != 0) {
            fail("Cannot move " + target + " into the list");
        }
        placed_.push_back({path, kept});
    }

    // A file of the list out of the way, kept aside until every rename is
    // done.
    void displace(const std::string& path)
    {
        const std::string kept = joinPath(aside_, ".kept" + std::to_string(placed_.size()));
        if (std::rename(path.c_str(), kept.c_str()) != 0)
            fail("Cannot move " + path + " aside");
        placed_.push_back({path, kept});
    }

    void commit() { done_ = true; }

private:
    [[noreturn]] void fail(const std::string& what)
    {
        const int error = errno;
        throw EInOutError(what + ": " + errorText(error), error);
    }

    void undo()
    {
        for (auto each = placed_.rbegin(); each != placed_.rend(); ++each) {
            if (each->second.empty())
                ::unlink(each->first.c_str());
            else
                std::rename(each->second.c_str(), each->first.c_str());
        }
        for (auto each = made_.rbegin(); each != made_.rend(); ++each)
            ::rmdir(each->c_str());
    }

    std::string list_;
    std::string aside_;
    std::vector<std::pair<std::string, std::string>> placed_;  // a file placed, and the one it replaced
    std::vector<std::string> made_;
    bool done_ = false;
};

// The pictures that are not a shared list's JPEGs, made ready as added
// pictures are, each beside its unpacked file, which it then stands for.
void convertPictures(std::vector<std::pair<std::string, const Entry*>>& files, Refusals& refused)
{
    std::vector<std::size_t> pictures;
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i].second->kind == Kind::Converted)
            pictures.push_back(i);
    // A few at a time, so that a thousand photos are not all held at once;
    // the first batch with a picture that cannot be read ends the import.
    constexpr std::size_t kBatch = 16;
    for (std::size_t first = 0; first < pictures.size() && !refused.any(); first += kBatch) {
        std::vector<std::string> sources;
        for (std::size_t i = first; i < pictures.size() && i < first + kBatch; ++i)
            sources.push_back(files[pictures[i]].first);
        const std::vector<PictureOrProblem> prepared = preparePictures(sources);
        for (std::size_t i = 0; i < prepared.size(); ++i) {
            auto& [path, entry] = files[pictures[first + i]];
            if (const auto* why = std::get_if<std::string>(&prepared[i])) {
                // Named by the entry, not by where it was unpacked.
                std::string_view reason = *why;
                if (reason.starts_with(path + ": "))
                    reason.remove_prefix(path.size() + 2);
                refused.add(entry->name, std::string(reason));
                continue;
            }
            const std::string saved = path + ".jpg";
            writePicture(std::get<PreparedPicture>(prepared[i]), saved);
            path = saved;
        }
    }
}

}  // namespace

std::vector<std::string> importArchive(const std::string& archive, const WordListEditor& list, bool replace,
                                       const ArchiveBounds& bounds)
{
    Zip zip = openZip(archive, ZIP_RDONLY | ZIP_CHECKCONS);
    Refusals refused;
    // A shared list's pictures were made ready when they were added; a plain
    // .zip's are a camera's, or anyone's.
    const bool sharedList = extensionOf(fileNameOf(archive)) == "brindolo";
    std::set<std::string> displaced;
    const std::vector<Entry> entries =
        checkedEntries(zip.get(), list.folder(), replace, sharedList, bounds, displaced, refused);
    if (refused.any())
        refused.raise(archive);
    if (entries.empty())
        throw EArchiveRefused(archive + ": it holds no pictures or recordings");

    // The list's folder is made on the first save, as for a picture added.
    makeFolders(list.folder());
    AsideFolder aside(list.folder());
    std::vector<std::pair<std::string, const Entry*>> files;
    for (const Entry& entry : entries) {
        if (entry.kind == Kind::Folder)
            continue;
        const std::string bytes = unpacked(zip.get(), entry, refused);
        if (refused.any())
            continue;
        const std::string path = joinPath(aside.path(), std::to_string(files.size()) + "." + extensionOf(entry.name));
        writeAside(path, bytes);
        if (entry.kind != Kind::Converted)
            if (const std::string problem = contentProblem(entry, bytes, path); !problem.empty())
                refused.add(entry.name, problem);
        files.emplace_back(path, &entry);
    }
    if (!refused.any())
        convertPictures(files, refused);
    if (refused.any())
        refused.raise(archive);

    PlaceInList place(list.folder(), aside.path());
    std::vector<std::string> added;
    for (const Entry& entry : entries)
        if (entry.kind == Kind::Folder || entry.target.find('/') != std::string::npos)
            place.folder(entry.target.substr(0, entry.target.find('/')));
    for (const std::string& path : displaced)
        place.displace(path);
    for (const auto& [path, entry] : files) {
        place.file(path, entry->target);
        added.push_back(entry->target);
    }
    place.commit();
    return added;
}

}  // namespace brindolo
