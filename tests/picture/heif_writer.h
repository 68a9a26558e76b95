// HEIF files assembled in code from tiles an encoder made, for the grid and turning tests.
#pragma once

// The encoder at hand writes one coded picture per file, never a grid and never a turn. These
// files take its coded tiles and put them under a grid item, optionally turned, laid out as a
// camera lays them out: file type, then the meta box, then one media data box.

#include <QByteArray>
#include <QSize>
#include <vector>

namespace fixtures {

// One coded HEVC picture: its whole decoder configuration box and its coded bytes.
struct HevcTile {
    QByteArray configurationBox;
    QByteArray codedBytes;
};

// The tile held by a file of one picture without metadata, as heif-enc writes it.
HevcTile tileOfHeic(const QByteArray& heic);

struct HeifGrid {
    std::vector<HevcTile> tiles; // row by row, rows * columns of them, each tileSize
    int rows = 1;
    int columns = 1;
    QSize tileSize;
    QSize outputSize;     // the grid's picture before turning
    int quarterTurns = 0; // anticlockwise, as the rotation property counts
};

// A HEIC whose primary item is `grid`.
QByteArray heifGridBytes(const HeifGrid& grid);

} // namespace fixtures
