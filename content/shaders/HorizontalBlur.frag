#version 110
// First half of the glow blur: across.
// The glow target is 256 x 192 texels; this pass spreads each texel over
// six to either side along one axis with Gaussian weights (sigma 3 texels).

uniform sampler2D source;

void main()
{
    const float gain = 1.0;
    vec2 uv = gl_TexCoord[0].xy;
    vec2 texel = vec2(1.0 / 256.0, 0.0);
    vec4 sum = texture2D(source, uv) * 0.1370;
    sum += (texture2D(source, uv + texel * 1.0) + texture2D(source, uv - texel * 1.0)) * 0.1296;
    sum += (texture2D(source, uv + texel * 2.0) + texture2D(source, uv - texel * 2.0)) * 0.1098;
    sum += (texture2D(source, uv + texel * 3.0) + texture2D(source, uv - texel * 3.0)) * 0.0831;
    sum += (texture2D(source, uv + texel * 4.0) + texture2D(source, uv - texel * 4.0)) * 0.0563;
    sum += (texture2D(source, uv + texel * 5.0) + texture2D(source, uv - texel * 5.0)) * 0.0341;
    sum += (texture2D(source, uv + texel * 6.0) + texture2D(source, uv - texel * 6.0)) * 0.0185;
    // Opaque: the result replaces the target, and is added to the screen later.
    gl_FragColor = vec4(sum.rgb * gain, 1.0) * gl_Color;
}
