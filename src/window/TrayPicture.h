#pragma once
// The tray picture laid out for any size the shell shows icons at: a cloud with an eighth note
// in the upper part, and below it the number in white digits with a black outline, or a red
// prohibition sign when muted. Every pixel is one ink, fully shown or fully clear: nothing is
// smoothed, and nothing is an enlargement of a smaller picture.
#include <cstdint>
#include <vector>

enum class TTrayInk : std::uint8_t { Clear, Cloud, CloudEdge, Note, Digit, Outline, Sign, SignBar };

// Image 0..100 shows that number; this one, the last, the mute sign.
constexpr int TrayMuteImage = 101;

class TTrayPicture {
public:
    explicit TTrayPicture(int size);
    int Size() const { return FSize; }
    TTrayInk At(int x, int y) const { return FInk[y * FSize + x]; }
    void Set(int x, int y, TTrayInk ink) { FInk[y * FSize + x] = ink; }

private:
    int FSize;
    std::vector<TTrayInk> FInk;
};

// Sizes from 16 to 48 pixels are designed for; others are drawn by the same rules.
TTrayPicture DrawTrayPicture(int image, int size);
