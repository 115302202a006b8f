#version 110
// A grid of square cells, 20 rows high, each in its own random colour, with dark borders,
// a glow from the centre and a pulse at its own rate.

varying vec2 fs_tex;

uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;

vec3 hsv2rgb(vec3 hsv)
{
    hsv.yz = clamp(hsv.yz, 0.0, 1.0);
    return hsv.z * (1.0 + 0.5 * hsv.y * (cos(1.0 * 3.14159 * (hsv.x + vec3(0.0, 2.0 / 3.0, 1.0 / 3.0))) - 1.0));
}

float rand(vec2 seed)
{
    return fract(sin(dot(seed, vec2(12.9898, 78.233))) * 137.5453);
}

float rand2(vec2 seed)
{
    return fract(sin(dot(seed, vec2(1.9898, 7.233))) * 37.5453);
}

float rand3(vec2 seed)
{
    return fract(sin(dot(seed, vec2(3.1771, 5.755))) * 17.5453);
}

void main()
{
    // Centre at (0, 0), y from -1 at the bottom to 1 at the top, then 10 cells per unit.
    vec2 frag = (2.0 * gl_FragCoord.xy - vec2(viewportWidth, viewportHeight)) / viewportHeight;
    frag = frag * 10.0;

    vec2 cell = floor(frag);
    float random = rand(cell);
    float random2 = rand2(cell);
    float random3 = rand3(cell);

    // 1.0 inside the cell, falling to 0.0 on the cell lines.
    vec2 black = smoothstep(1.0, 0.9, cos(frag * 3.14159 * 2.0));

    vec3 color = vec3(random, random2, random3);
    color = color * black.x * black.y * smoothstep(1.0, 0.1, length(fract(frag) - 0.5));
    color = color * (0.5 + 0.5 * cos(random + random * iTime + iTime + 3.14159 * 0.));

    gl_FragColor = vec4(color * vec3(1.0, 1.0, 1.0), 1.0);
}
//~