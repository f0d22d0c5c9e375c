// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/jpeg_decode.h"

#include "picture/codec/raising_errors.h"

#include <libexif/exif-data.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <dlfcn.h>
#include <new>
#include <optional>
#include <string>
#include <utility>

namespace brindolo {

// One decompressor, released on every way out of the reader. The phases
// below each hold one setjmp boundary and only trivially destructible
// locals, so a longjmp out of libjpeg skips no C++ destructor; the exception
// is thrown afterwards, from ordinary C++ frames.
struct JpegDecompressor {
    jpeg_decompress_struct cinfo{};
    RaisingErrorManager errors{};

    JpegDecompressor() { installRaisingErrorManager(cinfo, errors); }
    ~JpegDecompressor() { jpeg_destroy_decompress(&cinfo); }
    JpegDecompressor(const JpegDecompressor&) = delete;
    JpegDecompressor& operator=(const JpegDecompressor&) = delete;

    [[noreturn]] void raise() const { throw EJPEGException(std::string(errors.message)); }
};

namespace {

// APP1, where EXIF keeps its tags.
constexpr int kExifMarker = JPEG_APP0 + 1;

// Later entries overwrite what earlier ones set, as the properties promise.
void applySettings(jpeg_decompress_struct& cinfo, const DecodeSettings& settings)
{
    switch (settings.numOfColors) {
    case TNumOfColors::_16:
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 16;
        break;
    case TNumOfColors::_256:
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 256;
        break;
    case TNumOfColors::TrueColor:
        break;
    }
    switch (settings.dctMethod) {
    case TDCTMethod::Integ: cinfo.dct_method = JDCT_ISLOW; break;
    case TDCTMethod::FastInteg: cinfo.dct_method = JDCT_IFAST; break;
    case TDCTMethod::FloatingPoint: cinfo.dct_method = JDCT_FLOAT; break;
    }
    switch (settings.dither) {
    case TDither::None: cinfo.dither_mode = JDITHER_NONE; break;
    case TDither::FS: cinfo.dither_mode = JDITHER_FS; break;
    case TDither::Ordered: cinfo.dither_mode = JDITHER_ORDERED; break;
    }
    if (settings.fastProcessing) {
        cinfo.two_pass_quantize = FALSE;
        cinfo.dither_mode = JDITHER_ORDERED;
        if (!cinfo.quantize_colors)
            cinfo.desired_number_of_colors = 216;
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
    }
    if (settings.grayScale)
        cinfo.out_color_space = JCS_GRAYSCALE;
    if (settings.noSmooth)
        cinfo.do_fancy_upsampling = FALSE;
    if (settings.onePass)
        cinfo.two_pass_quantize = FALSE;
}

// Returns false when libjpeg raised; the message is in d.errors.
bool readHeader(JpegDecompressor& d, std::span<const std::uint8_t> bytes, const DecodeSettings& settings)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
    jpeg_set_marker_processor(&cinfo, JPEG_COM, skipComment);
    // The EXIF block, where the orientation is, is kept only when asked for.
    if (settings.autoTransform)
        jpeg_save_markers(&cinfo, kExifMarker, 0xFFFF);
    // libjpeg's own memory source already issues "Premature end of JPEG
    // file" when asked for bytes past the end, also when skipping.
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    applySettings(cinfo, settings);
    if (cinfo.out_color_space != JCS_GRAYSCALE && cinfo.out_color_space != JCS_RGB)
        raiseBmpColourSpace(&cinfo);
    // BMP keeps full colour as blue, green, red: let libjpeg write that order
    // straight into the rows instead of swapping every pixel afterwards.
    if (cinfo.out_color_space == JCS_RGB && !cinfo.quantize_colors)
        cinfo.out_color_space = JCS_EXT_BGR;
    return true;
}

// Out of range, libjpeg would compute with a zero or overflowing fraction:
// such a scale leaves the full size.
bool calcOutput(JpegDecompressor& d, DecodeScale scale)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    const bool valid = validScale(scale.num, scale.denom);
    cinfo.scale_num = valid ? static_cast<unsigned>(scale.num) : 1;
    cinfo.scale_denom = valid ? static_cast<unsigned>(scale.denom) : 1;
    jpeg_calc_output_dimensions(&cinfo);
    return true;
}

// libexif, opened with the first EXIF block read rather than linked: linked,
// its two thousand relocations and the pages they write were paid by every
// start of the game, before its window showed, for pictures read after it.
struct ExifLibrary {
    decltype(&exif_data_new) dataNew;
    decltype(&exif_data_unset_option) unsetOption;
    decltype(&exif_data_load_data) loadData;
    decltype(&exif_content_get_entry) entry;
    decltype(&exif_data_get_byte_order) byteOrder;
    decltype(&exif_get_short) getShort;
    decltype(&exif_data_unref) unref;
};

template <typename Function>
bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Nothing when the library is missing, and then every picture reads as
// stored; the package depends on it. The library stays loaded to the end.
const ExifLibrary* exifLibrary()
{
    static const std::optional<ExifLibrary> library = []() -> std::optional<ExifLibrary> {
        void* handle = dlopen("libexif.so.12", RTLD_LAZY | RTLD_LOCAL);
        ExifLibrary l{};
        if (handle && resolve(handle, "exif_data_new", l.dataNew)
            && resolve(handle, "exif_data_unset_option", l.unsetOption)
            && resolve(handle, "exif_data_load_data", l.loadData)
            && resolve(handle, "exif_content_get_entry", l.entry)
            && resolve(handle, "exif_data_get_byte_order", l.byteOrder)
            && resolve(handle, "exif_get_short", l.getShort) && resolve(handle, "exif_data_unref", l.unref))
            return l;
        return std::nullopt;
    }();
    return library ? &*library : nullptr;
}

// The Orientation tag of the first EXIF block, read by libexif. Anything
// but a single value from 1 to 8 reads as stored. libexif never longjmps,
// so this runs outside the setjmp phases.
Orientation exifOrientation(const jpeg_decompress_struct& cinfo)
{
    static constexpr unsigned char kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
    for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next) {
        if (marker->marker != kExifMarker || marker->data_length < sizeof kExifHeader
            || std::memcmp(marker->data, kExifHeader, sizeof kExifHeader) != 0)
            continue;
        const ExifLibrary* library = exifLibrary();
        ExifData* exif = library ? library->dataNew() : nullptr;
        if (!exif)
            return Orientation::TopLeft;
        // Following the standard would make libexif add the tags it finds
        // missing, with their defaults, which is not what the file says.
        library->unsetOption(exif, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
        library->loadData(exif, marker->data, marker->data_length);
        const ExifEntry* entry = library->entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
        int value = 0;
        if (entry && entry->format == EXIF_FORMAT_SHORT && entry->components == 1 && entry->size >= 2)
            value = library->getShort(entry->data, library->byteOrder(exif));
        library->unref(exif);
        return value >= 1 && value <= 8 ? static_cast<Orientation>(value) : Orientation::TopLeft;
    }
    return Orientation::TopLeft;
}

bool startDecompress(JpegDecompressor& d)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.cinfo);
    return true;
}

// One row per call, straight into its place in the picture. The progress
// notification runs between libjpeg calls, so an exception it throws unwinds
// only through C++ frames.
bool readRows(JpegDecompressor& d, DecodedPicture& picture, ProgressMeter& meter, const ProgressNotify& progress)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    const std::size_t dataBytes = std::size_t{cinfo.output_width} * static_cast<std::size_t>(cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = picture.rows.get() + picture.rowBytes * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
        std::memset(row + dataBytes, 0, picture.rowBytes - dataBytes);
        if (meter.rowDone(cinfo.output_scanline) && progress)
            progress(meter.lastReported());
    }
    return true;
}

void fillColourTable(const jpeg_decompress_struct& cinfo, DecodedPicture& picture)
{
    if (picture.bitsPerPixel != 8)
        return;
    std::uint8_t* entry = picture.colourTable.data();
    if (!cinfo.colormap) {
        for (int i = 0; i < 256; ++i, entry += 4)
            entry[0] = entry[1] = entry[2] = static_cast<std::uint8_t>(i);
        return;
    }
    const int colours = std::min(cinfo.actual_number_of_colors, 256);
    const bool rgb = cinfo.out_color_components == 3;
    for (int i = 0; i < colours; ++i, entry += 4) {
        entry[0] = cinfo.colormap[rgb ? 2 : 0][i];
        entry[1] = cinfo.colormap[rgb ? 1 : 0][i];
        entry[2] = cinfo.colormap[0][i];
    }
}

// The colour map lives in libjpeg's image pool: it is read before finishing.
bool finishDecompress(JpegDecompressor& d, DecodedPicture& picture)
{
    if (setjmp(d.errors.jump))
        return false;
    fillColourTable(d.cinfo, picture);
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

// The candidate sizes come from libjpeg itself, so they are the sizes the
// decode will have, rounding included.
bool coveringEighth(JpegDecompressor& d, int frameWidth, int frameHeight, int& eighth)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    const auto outputAt = [&](int num) {
        cinfo.scale_num = static_cast<unsigned>(num);
        cinfo.scale_denom = 8;
        jpeg_calc_output_dimensions(&cinfo);
        return std::pair{static_cast<long>(cinfo.output_width), static_cast<long>(cinfo.output_height)};
    };
    const auto larger = [&](std::pair<long, long> size) { return size.first > frameWidth || size.second > frameHeight; };
    const bool fullLarger = larger(outputAt(8));
    eighth = 8;
    for (int num = 1; num < 8 && fullLarger; ++num) {
        const auto size = outputAt(num);
        if (size.first >= frameWidth && size.second >= frameHeight && larger(size)) {
            eighth = num;
            break;
        }
    }
    return true;
}

}  // namespace

bool ProgressMeter::rowDone(unsigned scanline)
{
    const int percent = static_cast<int>(std::uint64_t{scanline} * 100 / height_);
    if (step_ < 1 || percent == lastReported_ || percent % step_ != 0)
        return false;
    lastReported_ = percent;
    return true;
}

JpegReader::JpegReader(std::span<const std::uint8_t> bytes, const DecodeSettings& settings)
    : scale_{settings.scaleNum, settings.scaleDenom}
{
    if (bytes.empty())
        return;
    d_ = std::make_unique<JpegDecompressor>();
    if (!readHeader(*d_, bytes, settings))
        return;
    headerRead_ = true;
    size_ = {static_cast<int>(d_->cinfo.image_width), static_cast<int>(d_->cinfo.image_height)};
    if (settings.autoTransform)
        orientation_ = exifOrientation(d_->cinfo);
}

JpegReader::~JpegReader() = default;

void JpegReader::setFrame(int frameWidth, int frameHeight)
{
    if (swapsSides(orientation_))
        std::swap(frameWidth, frameHeight);
    scale_ = {};
    int eighth = 8;
    if (!headerRead_ || frameWidth < 1 || frameHeight < 1 || !coveringEighth(*d_, frameWidth, frameHeight, eighth)
        || eighth == 8)
        return;
    scale_ = {eighth, 8};
}

DecodedPicture JpegReader::read(const ProgressNotify& progress, int progressStep)
{
    DecodedPicture picture;
    if (!d_)
        return picture;
    if (!headerRead_ || !calcOutput(*d_, scale_))
        d_->raise();
    const jpeg_decompress_struct& cinfo = d_->cinfo;
    picture.width = static_cast<int>(cinfo.output_width);
    picture.height = static_cast<int>(cinfo.output_height);
    picture.bitsPerPixel = cinfo.output_components == 3 ? 24 : 8;
    const std::size_t dataBytes = std::size_t{cinfo.output_width} * static_cast<std::size_t>(cinfo.output_components);
    picture.rowBytes = (dataBytes + 3) & ~std::size_t{3};
    if (picture.pixelBytes() > kMaxDecodedBytes)
        throw EJPEGException("Picture too large: " + std::to_string(picture.width) + " x "
                             + std::to_string(picture.height));
    if (cinfo.density_unit == 2) {
        picture.xPixelsPerMetre = std::uint32_t{cinfo.X_density} * 100;
        picture.yPixelsPerMetre = std::uint32_t{cinfo.Y_density} * 100;
    }
    picture.orientation = orientation_;
    picture.rows = std::make_unique_for_overwrite<std::uint8_t[]>(std::max<std::size_t>(picture.pixelBytes(), 1));

    if (!startDecompress(*d_))
        d_->raise();
    ProgressMeter meter(progressStep, cinfo.output_height);
    if (!readRows(*d_, picture, meter, progress))
        d_->raise();
    if (!finishDecompress(*d_, picture))
        d_->raise();
    return picture;
}

DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes, const DecodeSettings& settings,
                          const ProgressNotify& progress, int progressStep)
{
    return JpegReader(bytes, settings).read(progress, progressStep);
}

}  // namespace brindolo
