// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bmp_file.h"

#include "bmp_header.h"

#include "system/output_file.h"

#include <vector>

namespace brindolo::jpeg2bmp {

void writeBmpFile(const DecodedPicture& picture, const std::string& path)
{
    OutputFile file(path);
    // The rows go out straight from the decoded picture, bottom row first,
    // so no second copy of the pixels is ever held.
    const std::vector<std::uint8_t> header = bmpHeader(picture);
    file.write(header.data(), header.size());
    for (int y = picture.height - 1; y >= 0 && !picture.empty(); --y)
        file.write(picture.row(y), picture.rowBytes);
    file.commit();
}

}  // namespace brindolo::jpeg2bmp
