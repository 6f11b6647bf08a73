#include "core/image/PngReader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vorda::image {
namespace {

using TBytes = std::vector<std::uint8_t>;

void Put32(TBytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(TBytes& out, const char* type, const TBytes& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

TBytes Deflate(const TBytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  TBytes out(size);
  EXPECT_EQ(compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
  out.resize(size);
  return out;
}

// A PNG file built piece by piece, so each case can spoil one piece.
struct TPngParts {
  std::uint32_t width = 2, height = 2;
  std::uint8_t depth = 8, colour = 6, interlace = 0;
  TBytes raw;  // filter bytes and pixels
  std::vector<std::pair<std::string, TBytes>> extra;  // chunks between IHDR and IDAT

  TPngParts() {
    // Row 0 unfiltered, row 1 with the Paeth filter over it.
    raw = {0, 10, 20, 30, 255, 40, 50, 60, 128, 4, 1, 1, 1, 0, 2, 2, 2, 0};
  }
  TBytes Build() const {
    TBytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    TBytes header;
    Put32(header, width);
    Put32(header, height);
    header.insert(header.end(), {depth, colour, 0, 0, interlace});
    Chunk(out, "IHDR", header);
    for (const auto& [type, data] : extra) Chunk(out, type.c_str(), data);
    Chunk(out, "IDAT", Deflate(raw));
    Chunk(out, "IEND", {});
    return out;
  }
};

TPngError ErrorOf(const TBytes& file) {
  TPngError error = TPngError::peNone;
  EXPECT_FALSE(ReadPng(file, &error).has_value());
  return error;
}

TEST(PngReader, DecodesTheRowFilters) {
  TPngParts parts;
  parts.extra = {{"tEXt", {'a', 0, 'b'}}, {"PLTE", {0, 0, 0}}};  // ancillary and palette: skipped
  const auto image = ReadPng(parts.Build());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 2u);
  EXPECT_EQ(image->height, 2u);
  // The Paeth predictor picks the pixel above for both pixels of row 1.
  const TBytes expected = {10, 20, 30, 255, 40, 50, 60, 128, 11, 21, 31, 255, 42, 52, 62, 128};
  EXPECT_EQ(image->rgba, expected);

  for (std::uint8_t filter : {1, 2, 3}) {
    TPngParts p;
    p.raw[9] = filter;  // row 1: Sub, Up, Average
    ASSERT_TRUE(ReadPng(p.Build()).has_value()) << int{filter};
  }
}

struct HostileCase {
  const char* what;
  void (*spoil)(TPngParts&, TBytes&);
  TPngError error;
};

class Hostile : public testing::TestWithParam<HostileCase> {};

TEST_P(Hostile, IsRefusedWithItsReason) {
  TPngParts parts;
  TBytes file;
  GetParam().spoil(parts, file);
  if (file.empty()) file = parts.Build();
  EXPECT_EQ(ErrorOf(file), GetParam().error) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Hostile,
    testing::Values(
        HostileCase{"signature", [](TPngParts& p, TBytes& f) { f = p.Build(); f[1] = 'Q'; }, TPngError::peSignature},
        HostileCase{"empty", [](TPngParts&, TBytes& f) { f = {0x89}; }, TPngError::peSignature},
        HostileCase{"crc", [](TPngParts& p, TBytes& f) { f = p.Build(); f[20] ^= 1; }, TPngError::peCrc},
        HostileCase{"huge length", [](TPngParts& p, TBytes& f) { f = p.Build(); f[8] = 0xFF; }, TPngError::peChunkLength},
        HostileCase{"length past the end", [](TPngParts& p, TBytes& f) { f = p.Build(); f[9] = 0x7F; },
                    TPngError::peTruncated},
        HostileCase{"no IEND", [](TPngParts& p, TBytes& f) { f = p.Build(); f.resize(f.size() - 12); },
                    TPngError::peTruncated},
        HostileCase{"RGB", [](TPngParts& p, TBytes&) { p.colour = 2; }, TPngError::peUnsupported},
        HostileCase{"16 bits", [](TPngParts& p, TBytes&) { p.depth = 16; }, TPngError::peUnsupported},
        HostileCase{"interlaced", [](TPngParts& p, TBytes&) { p.interlace = 1; }, TPngError::peUnsupported},
        HostileCase{"bad interlace", [](TPngParts& p, TBytes&) { p.interlace = 7; }, TPngError::peHeader},
        HostileCase{"zero width", [](TPngParts& p, TBytes&) { p.width = 0; }, TPngError::peHeader},
        HostileCase{"width over 2^31", [](TPngParts& p, TBytes&) { p.width = 0x80000000; }, TPngError::peHeader},
        HostileCase{"too large", [](TPngParts& p, TBytes&) { p.width = 5000; }, TPngError::peTooLarge},
        HostileCase{"short rows", [](TPngParts& p, TBytes&) { p.height = 3; }, TPngError::peData},
        HostileCase{"long rows", [](TPngParts& p, TBytes&) { p.height = 1; }, TPngError::peData},
        HostileCase{"bad filter", [](TPngParts& p, TBytes&) { p.raw[9] = 5; }, TPngError::peData},
        HostileCase{"unknown critical chunk", [](TPngParts& p, TBytes&) { p.extra = {{"ABCD", {}}}; },
                    TPngError::peUnsupported},
        HostileCase{"second header", [](TPngParts& p, TBytes&) { p.extra = {{"IHDR", TBytes(13)}}; },
                    TPngError::peHeader},
        HostileCase{"damaged stream",
                    [](TPngParts& p, TBytes& f) {
                      TPngParts q = p;
                      f = q.Build();
                      // IDAT's first data byte follows signature, IHDR (25 bytes) and IDAT's length and type.
                      const std::size_t at = 8 + 25 + 8;
                      f[at] = 0x00;  // not a zlib header
                      const uInt length = static_cast<uInt>(f[8 + 25 + 3]);
                      const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, f.data() + at - 4, length + 4));
                      for (int i = 0; i < 4; ++i) f[at + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
                    },
                    TPngError::peData}));

TEST(PngReader, EveryTruncationIsRefused) {
  const TBytes file = TPngParts().Build();
  for (std::size_t n = 0; n < file.size(); ++n) {
    const TBytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(ReadPng(part).has_value()) << n;
  }
}

TBytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct MenuPicture {
  const char* name;
  std::uint32_t width, height;
};

class MenuPictures : public testing::TestWithParam<MenuPicture> {};

TEST_P(MenuPictures, DecodeAtTheirSizesWithSeeThroughCorners) {
  const MenuPicture c = GetParam();
  const TBytes file = ReadFile(std::string(VORDA_RES_DIR) + "/" + c.name);
  ASSERT_FALSE(file.empty()) << c.name;
  TPngError error = TPngError::peNone;
  const auto image = ReadPng(file, &error);
  ASSERT_TRUE(image.has_value()) << static_cast<int>(error);
  EXPECT_EQ(image->width, c.width);
  EXPECT_EQ(image->height, c.height);
  ASSERT_EQ(image->rgba.size(), std::size_t{c.width} * c.height * 4);
  EXPECT_EQ(image->rgba[3], 0);                                          // the top left corner
  EXPECT_GT(image->rgba[((c.height / 2) * c.width + c.width / 2) * 4 + 3], 200);  // the middle
}

INSTANTIATE_TEST_SUITE_P(Files, MenuPictures,
                         testing::Values(MenuPicture{"XMenu1.png", 15, 15}, MenuPicture{"XMenu2.png", 15, 14}));

}  // namespace
}  // namespace vorda::image
