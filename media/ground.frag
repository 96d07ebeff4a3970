#version 120
// The ground in three passes, so that its textures are read once per pixel: the surface in the
// ambient light, faded out with the haze; the sun, where no shadow falls, multiplying that by the
// share of sunlight over ambient light; and the haze colour added over all. The haze is linear in
// depth, as the fixed-function fog of the other materials.
#if defined(SUNLIT)
varying vec3 sunShare;

void main()
{
    gl_FragColor = vec4(sunShare, 1.0);
}
#else
uniform vec4 hazeRange; // density, start, end, 1 / (end - start)
varying float depth;

float haze()
{
    return clamp((depth - hazeRange.y) * hazeRange.w, 0.0, 1.0);
}

#if defined(HAZE)
uniform vec4 hazeColour;

void main()
{
    gl_FragColor = vec4(hazeColour.rgb * haze(), 1.0);
}
#else
uniform sampler2D grass;
uniform sampler2D patches;
uniform vec4 ambientColour;
varying vec2 grassUv;
varying vec2 patchUv;

void main()
{
    vec3 surface = min(texture2D(grass, grassUv).rgb * texture2D(patches, patchUv).rgb * 2.0, 1.0);
    gl_FragColor = vec4(surface * ambientColour.rgb * (1.0 - haze()), 1.0);
}
#endif
#endif
