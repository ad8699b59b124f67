#pragma once

#include <QtGlobal>
#include <array>

// The drawing's pieces, and so the misses a game allows: the twelfth miss shows the last piece
// and loses.
constexpr qint16 kPieces = 12;

// Each piece of the drawing in the order a game reveals it: its picture, and where it stands in
// the black pane, in twips (15 to a pixel). The artwork generator draws each picture to exactly
// its rectangle, and the board places it there.
struct FigurePiece {
    const char* picture;
    int left, top, width, height;
};
constexpr std::array<FigurePiece, kPieces> kDrawingPieces = {{
    {"man0.png", 45, 3240, 4320, 225},    // ground bar
    {"man1.png", 360, 30, 435, 3225},     // upright post
    {"man2.png", 0, 2385, 420, 885},      // left foot brace
    {"man3.png", 720, 2415, 435, 840},    // right foot brace
    {"man4.png", 720, 60, 2310, 1170},    // top beam and its corner brace
    {"man5.png", 2760, 300, 240, 315},    // rope
    {"shape.png", 2520, 480, 690, 630},   // head
    {"man6.png", 2520, 1020, 705, 1005},  // body
    {"man7.png", 3240, 1080, 315, 840},   // arm on the viewer's right
    {"man8.png", 2160, 1080, 360, 825},   // arm on the viewer's left
    {"man9.png", 2880, 2040, 255, 1035},  // leg on the viewer's right
    {"man10.png", 2595, 2040, 270, 1020}, // leg on the viewer's left
}};
