#pragma once

#include <string_view>

namespace vorda::sound {

// Turns a note name into a frequency in Hz, or 0 for an invalid note or one
// outside 20..20000 Hz. Octaves start at A (A, A#, B, C ... G#); A in octave
// 4 is 440 Hz. Accepted forms, blanks around and letter case ignored:
//   "N<0..121>"        a note number (semitones above A in octave 0)
//   "O<digit><note>"   the note in that octave
//   "<" and ">" ...    lower or raise the octave by one first (0..9)
//   <note>             a letter A..G, then "#" or "+" (sharp) or "-" (flat)
// The octave is both the one to use and, for a valid note, the one the note
// ended in; it is left alone when the note is invalid.
int ParseNote(std::wstring_view text, int& octave) noexcept;

}  // namespace vorda::sound
