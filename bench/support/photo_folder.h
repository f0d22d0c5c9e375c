// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Folders of phone photos for the benchmarks, kept in the build folder from
// one run to the next: one picture linked under many word names, so that a
// folder costs the disk one picture.

#include "support/photo.h"

#include <filesystem>
#include <string>
#include <vector>

namespace brindolo::bench {

inline const std::string kBenchData = BRINDOLO_BINARY_DIR "/bench-data";

// source linked into folder as WORD0.jpg, WORD1.jpg...: count paths.
inline std::vector<std::string> linkedFolder(const std::string& folder, const char* word, const std::string& source,
                                             int count)
{
    std::filesystem::create_directories(folder);
    std::vector<std::string> all;
    for (int i = 0; i < count; ++i) {
        const std::string path = folder + "/" + word + std::to_string(i) + ".jpg";
        if (!std::filesystem::exists(path))
            std::filesystem::create_hard_link(source, path);
        all.push_back(path);
    }
    return all;
}

// A hundred phone photos of 4000 x 3000.
inline const std::vector<std::string>& phonePhotos()
{
    static const std::vector<std::string> paths = [] {
        const std::string source = kBenchData + "/photo4000x3000.jpg";
        std::filesystem::create_directories(kBenchData);
        if (!std::filesystem::exists(source))
            photoLikePicture(4000, 3000).save(QString::fromStdString(source), "JPG", 90);
        return linkedFolder(kBenchData + "/check-photos", "foto", source, 100);
    }();
    return paths;
}

}  // namespace brindolo::bench
