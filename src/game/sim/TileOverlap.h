#pragma once

// Overlap tests between a moving object and a tile cell (columns col*36 to
// col*36 + 36, rows row*36 to row*36 + 36), for the contact handling.

class Collidable;

// The box, horizontally before this step's motion (x - step motion x),
// overlaps the cell shrunk by the margins: a from the bottom, b from the
// top, c from the right, d from the left.
bool OverlapsTile(const Collidable& object, int col, int row, float a, float b, float c, float d);
// OverlapsTile with all four margins 7.
bool OverlapsTileInner(const Collidable& object, int col, int row);
// The box overlaps the cell horizontally and its bottom reaches at least
// 18 px below the cell's top.
bool OverlapsTileTop(const Collidable& object, int col, int row);
// The object's centre lies within dx and dy of the cell's centre.
bool IsNearTileCentre(const Collidable& object, int col, int row, float dx, float dy);
