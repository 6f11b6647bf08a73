#include <gtest/gtest.h>

#include <string>

#include "core/sound/Note.h"
#include "core/sound/ToneGen.h"

namespace vorda::sound {
namespace {

struct NoteCase {
  const wchar_t* text;
  int octaveIn;
  int frequency;  // 0: invalid
  int octaveOut;  // the octave after the call
};

class Notes : public ::testing::TestWithParam<NoteCase> {};

TEST_P(Notes, NameToFrequency) {
  const NoteCase& c = GetParam();
  int octave = c.octaveIn;
  EXPECT_EQ(ParseNote(c.text, octave), c.frequency);
  EXPECT_EQ(octave, c.octaveOut);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Notes,
    ::testing::Values(NoteCase{L"A", 4, 440, 4}, NoteCase{L"C", 4, 523, 4}, NoteCase{L"N0", 4, 28, 4},
                      NoteCase{L"C4", 4, 0, 4}, NoteCase{L">A", 4, 880, 5}, NoteCase{L"O5C", 4, 1047, 5},
                      NoteCase{L"B#", 4, 0, 4}, NoteCase{L"E#", 4, 0, 4}, NoteCase{L"E+", 4, 0, 4},
                      NoteCase{L"C-", 4, 0, 4}, NoteCase{L"F-", 4, 0, 4}, NoteCase{L"A-", 0, 0, 0},
                      NoteCase{L"A-", 4, 415, 3},  // G# of the octave below
                      NoteCase{L"A+", 4, 466, 4}, NoteCase{L"G#", 4, 831, 4}, NoteCase{L"D-", 4, 554, 4},
                      NoteCase{L"  a\t", 4, 440, 4},  // blanks and case do not matter
                      NoteCase{L"o3e", 7, 330, 3}, NoteCase{L"N48", 2, 440, 2}, NoteCase{L"n121", 4, 0, 4},
                      NoteCase{L"N120", 4, 0, 4},  // 28160 Hz is out of range
                      NoteCase{L"N107", 4, 13290, 4}, NoteCase{L"N122", 4, 0, 4}, NoteCase{L"N-1", 4, 0, 4},
                      NoteCase{L"N", 4, 0, 4}, NoteCase{L"Nx", 4, 0, 4}, NoteCase{L"N+5", 4, 37, 4},
                      NoteCase{L"<<<<<<A", 2, 28, 0}, NoteCase{L">>>>>>>>A", 6, 14080, 9}, NoteCase{L"C", 9, 16744, 9},
                      NoteCase{L"G#", 9, 0, 9}, NoteCase{L"OXA", 4, 0, 4}, NoteCase{L"O5", 4, 0, 4},
                      NoteCase{L"O5<A", 4, 0, 4}, NoteCase{L"", 4, 0, 4}, NoteCase{L"H", 4, 0, 4},
                      NoteCase{L"A##", 4, 0, 4}, NoteCase{L"A", 1000000000, 0, 1000000000}));

TEST(SetNote, SetsTheBaseFrequencyAndOctave) {
  TToneGen gen;
  ASSERT_TRUE(gen.Prepare());
  EXPECT_EQ(gen.SetNote(L">C"), 1047);
  EXPECT_EQ(gen.Frequency(), 1047);
  EXPECT_EQ(gen.Octave(), 5);
  EXPECT_TRUE(gen.HasChanged());

  ASSERT_TRUE(gen.Prepare());
  EXPECT_EQ(gen.SetNote(L"B#"), 0);
  EXPECT_EQ(gen.Frequency(), 1047);
  EXPECT_EQ(gen.Octave(), 5);
  EXPECT_FALSE(gen.HasChanged());
}

TEST(SetAMNote, StoresAMultipleOrHertzInTheLevelOnly) {
  TToneGen gen;
  gen.SetFrequency(220);
  EXPECT_FLOAT_EQ(gen.SetAMNote(TTGAMLevel::tgAMLevel2, L">A"), 4.0f);
  EXPECT_FLOAT_EQ(gen.AMFreq(TTGAMLevel::tgAMLevel2), 4.0f);
  EXPECT_EQ(gen.AMOctave(TTGAMLevel::tgAMLevel2), 5);
  EXPECT_EQ(gen.AMOctave(TTGAMLevel::tgAMLevel1), 4);
  EXPECT_EQ(gen.Octave(), 4);
  EXPECT_FLOAT_EQ(gen.AMFrequency(), 0.5f);  // the mirror of the selected level stays

  gen.SetAMUseMultiplier(false);
  EXPECT_FLOAT_EQ(gen.SetAMNote(TTGAMLevel::tgAMLevel8, L"C"), 523.0f);
  EXPECT_FLOAT_EQ(gen.AMFreq(TTGAMLevel::tgAMLevel8), 523.0f);

  ASSERT_TRUE(gen.Prepare());
  EXPECT_FLOAT_EQ(gen.SetAMNote(TTGAMLevel::tgAMLevel8, L"C-"), 0.0f);
  EXPECT_FLOAT_EQ(gen.AMFreq(TTGAMLevel::tgAMLevel8), 523.0f);
  EXPECT_FALSE(gen.HasChanged());
}

}  // namespace
}  // namespace vorda::sound
