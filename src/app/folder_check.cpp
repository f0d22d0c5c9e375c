// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/folder_check.h"

#include "app/design.h"
#include "game/game.h"
#include "game/word_findings.h"
#include "game/word_list.h"
#include "game/word_rules.h"
#include "picture/codec/file_copy.h"
#include "picture/codec/jpeg_decode.h"
#include "speech/recording_files.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "system/file_errors.h"
#include "system/file_path.h"
#include "system/utf8.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <map>
#include <new>
#include <sys/stat.h>
#include <thread>

namespace brindolo {

namespace {

class Report {
public:
    explicit Report(std::FILE* out) : out_(out) {}

    void error(const std::string& name, const std::string& text)
    {
        line(name, "error", text);
        ++counts.errors;
    }
    void warning(const std::string& name, const std::string& text)
    {
        line(name, "warning", text);
        ++counts.warnings;
    }

    FolderCheckCounts counts;

private:
    // A name is printed as its bytes are, escaped where they are control
    // characters or not UTF-8: those would break the one-line-a-finding form
    // or work on the terminal.
    void line(const std::string& name, const char* kind, const std::string& text)
    {
        std::fprintf(out_, "%s: %s: %s\n", terminalSafe(name).c_str(), kind, terminalSafe(text).c_str());
    }

    std::FILE* out_;
};

std::string inQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

void tell(const std::string& name, const std::vector<WordFinding>& findings, Report& report)
{
    for (const WordFinding& finding : findings)
        finding.error ? report.error(name, finding.text) : report.warning(name, finding.text);
}

// What decoding one picture found: an error (the message the game would
// show) or a warning, or nothing (an empty text).
using PictureFinding = WordFinding;

// Decodes as the picture frame does, with the same settings and at the scale
// the frame at the window's design size asks for: libjpeg still reads every
// entropy-coded byte, so it meets the same damage, but a photo no longer
// costs its whole size, and a picture the game shows is never too large here.
PictureFinding checkPicture(const std::string& folder, const std::string& name)
{
    const std::string path = picturePathFor(folder, name);
    try {
        const std::vector<std::uint8_t> bytes =
            readWholeFileOrRaise(path, QFile::decodeName(QByteArray::fromStdString(path)).toStdString());
        if (bytes.empty())
            return {true, "the file is empty, so it shows no picture"};
        const DecodeSettings& settings = immagineDesign().decode;
        const ControlDesign& frame = *std::find_if(principaleControls().begin(), principaleControls().end(),
                                                   [](const ControlDesign& c) { return c.kind == ControlKind::Picture; });
        JpegReader reader(bytes, settings);
        reader.setFrame(frame.width, frame.height);
        reader.read({}, immagineDesign().progressStep);
        const JpegSize size = reader.size();
        if (const std::vector<WordFinding> large = sizeFindings(size.width, size.height); !large.empty())
            return large.front();
    } catch (const Exception& failure) {
        return {true, failure.what()};
    } catch (const std::bad_alloc&) {
        return {true, "Out of memory"};
    }
    return {};
}

// Every picture decoded on every core, the findings kept in the list's order.
std::vector<PictureFinding> checkPictures(const std::string& folder, const std::vector<std::string>& names)
{
    std::vector<PictureFinding> findings(names.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < names.size(); i = next++)
            findings[i] = checkPicture(folder, names[i]);
    };
    std::vector<std::jthread> workers(std::max(1u, std::thread::hardware_concurrency()) - 1);
    for (std::jthread& worker : workers)
        worker = std::jthread(work);
    work();
    return findings;
}

// Pictures the word list leaves out, which the teacher may think are in it:
// the game takes only names that end in ".jpg".
void nameLeftOutPictures(const std::string& folder, const std::string& prefix, Report& report)
{
    static constexpr std::string_view kOtherJpegEndings[] = {".jpeg", ".jpe", ".jfif"};
    static constexpr std::string_view kOtherPictureEndings[] = {".png", ".gif", ".bmp", ".webp", ".heic", ".tif",
                                                                ".tiff"};
    const auto endsWith = [](const std::string& name, std::string_view ending) {
        return name.size() > ending.size() && wildcardMatch(std::string("*") + std::string(ending), name);
    };
    for (const std::string& name : searchDirectory(joinPath(folder, prefix), "*.*")) {
        for (std::string_view ending : kOtherJpegEndings)
            if (endsWith(name, ending))
                report.warning(prefix + name, "left out of the word list, which takes only names ending in \".jpg\": "
                                                  "rename it to " + inQuotes(name.substr(0, name.size() - ending.size()) + ".jpg"));
        for (std::string_view ending : kOtherPictureEndings)
            if (endsWith(name, ending))
                report.warning(prefix + name, "left out of the word list, which takes only JPEG pictures ending in "
                                              "\".jpg\": save it as a JPEG picture");
    }
}

// A game deals ten words: fewer pictures, in the whole list or in a theme,
// deal some twice.
void warnOfRepeats(const std::string& folder, Report& report)
{
    const auto warnIfFew = [&report](const std::string& place, size_t pictures) {
        if (pictures > 0 && pictures < static_cast<size_t>(board_map::kWordsPerGame))
            report.warning(place, "only " + std::to_string(pictures) + (pictures == 1 ? " picture" : " pictures") +
                                      ", fewer than the " +
                                      std::to_string(board_map::kWordsPerGame) + " of a game: words will repeat");
    };
    warnIfFew(folder, catalogueNames(folder).size());
    for (const std::string& theme : themesIn(folder))
        warnIfFew(theme + "/", catalogueNames(folder, theme).size());
}

// The recording beside the picture, if any, as the game would play it.
void checkRecording(const std::string& folder, const std::string& name, Report& report)
{
    const QString recording = recordingFor(QFile::decodeName(QByteArray::fromStdString(picturePathFor(folder, name))));
    if (recording.isEmpty())
        return;
    ++report.counts.recordings;
    if (const QString problem = recordingProblem(recording); !problem.isEmpty())
        report.warning(name.substr(0, name.rfind('/') + 1) +
                           QFile::encodeName(recording.section(QLatin1Char('/'), -1)).toStdString(),
                       "the recording " + problem.toStdString() + ", so the synthetic voice says the word instead");
}

}  // namespace

FolderCheckCounts checkPictureFolder(const std::string& folder, std::FILE* out)
{
    Report report(out);
    struct stat info {};
    const bool there = ::stat(folder.c_str(), &info) == 0;
    DIR* listing = there && S_ISDIR(info.st_mode) ? ::opendir(folder.c_str()) : nullptr;
    const int listingError = errno;
    if (listing)
        ::closedir(listing);
    if (!there) {
        report.error(folder, "there is no such folder");
    } else if (!S_ISDIR(info.st_mode)) {
        report.error(folder, "this is a file, not a folder: name the folder that holds the pictures");
    } else if (!listing) {
        report.error(folder, std::string("the folder cannot be read: ") + errorText(listingError));
    } else {
        // The first name of each word, by the form case changes leave alike.
        std::map<std::string, std::string> words;
        const std::vector<std::string> names = catalogueNames(folder);
        const std::vector<PictureFinding> findings = checkPictures(folder, names);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string& name = names[i];
            ++report.counts.pictures;
            tell(name, nameFindings(name), report);
            if (findings[i].error)
                report.error(name, findings[i].text);
            else if (!findings[i].text.empty())
                report.warning(name, findings[i].text);
            checkRecording(folder, name, report);
            const std::string word = wordStem(name);
            if (word.empty())
                continue;
            const auto [first, added] = words.try_emplace(caseInsensitiveForm(word), name);
            if (!added)
                tell(name, {sameWordFinding(first->second)}, report);
        }
        nameLeftOutPictures(folder, "", report);
        for (const std::string& theme : themesIn(folder))
            nameLeftOutPictures(folder, theme + "/", report);
        if (report.counts.pictures == 0)
            report.error(folder, "the folder holds no pictures (*.jpg), so there is nothing to play");
        else
            warnOfRepeats(folder, report);
    }
    if (report.counts.recordings > 0)
        std::fprintf(out, "%d of %d words have a recording\n", report.counts.recordings, report.counts.pictures);
    std::fprintf(out, "%d pictures, %d errors, %d warnings\n", report.counts.pictures, report.counts.errors,
                 report.counts.warnings);
    return report.counts;
}

}  // namespace brindolo
