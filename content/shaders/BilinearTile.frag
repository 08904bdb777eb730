#version 110
// Smooths the seams between tiles of different kinds: every point of a tile
// is a bilinear blend of the tile's own cell with the cells of the (up to
// three) neighbours nearest to it, each sampled at the same place inside its
// cell. At the centre of the tile only the tile itself shows; on an edge it
// is half and half with the neighbour across it, which draws the same half
// and half from its side, so the two meet without a seam.
//
// tileXX is the top-left corner of each neighbour's cell, normalised; the S
// row is the row above on screen (y - 1), the N row the row below (y + 1).
// A neighbour that should not blend is passed as the tile itself.

uniform sampler2D tileTexture;
uniform vec2 tileSW;
uniform vec2 tileS;
uniform vec2 tileSE;
uniform vec2 tileW;
uniform vec2 tileC;
uniform vec2 tileE;
uniform vec2 tileNW;
uniform vec2 tileN;
uniform vec2 tileNE;
uniform vec2 tileSize;

void main()
{
    // Where this point lies inside its tile, 0..1 on both axes; kept half a
    // texel inside so that no cell ever samples its neighbour in the atlas.
    vec2 local = (gl_TexCoord[0].xy - tileC) / tileSize;
    vec2 margin = vec2(0.5 / 36.0);
    local = clamp(local, margin, vec2(1.0) - margin);
    vec2 offset = local - vec2(0.5);

    vec2 side = offset.x < 0.0 ? tileW : tileE;
    vec2 vertical = offset.y < 0.0 ? tileS : tileN;
    vec2 corner = offset.y < 0.0 ? (offset.x < 0.0 ? tileSW : tileSE) : (offset.x < 0.0 ? tileNW : tileNE);

    vec2 inside = local * tileSize;
    vec4 own = texture2D(tileTexture, tileC + inside);
    vec4 across = texture2D(tileTexture, side + inside);
    vec4 above = texture2D(tileTexture, vertical + inside);
    vec4 diagonal = texture2D(tileTexture, corner + inside);

    float wx = abs(offset.x);
    float wy = abs(offset.y);
    // Weights by position, times each sample's opacity: a clear part of a
    // neighbour (the open side of a slope) lends no colour.
    float wOwn = (1.0 - wx) * (1.0 - wy) * own.a;
    float wAcross = wx * (1.0 - wy) * across.a;
    float wAbove = (1.0 - wx) * wy * above.a;
    float wDiagonal = wx * wy * diagonal.a;
    float total = wOwn + wAcross + wAbove + wDiagonal;

    vec3 colour = own.rgb;
    if (total > 0.0001)
        colour = (own.rgb * wOwn + across.rgb * wAcross + above.rgb * wAbove + diagonal.rgb * wDiagonal) / total;

    // The tile keeps its own outline; the vertex colour carries its fade.
    gl_FragColor = vec4(colour, own.a) * gl_Color;
}
