#version 120
// The ground's one big quad. For the surface and the haze: texture co-ordinates through each unit's
// own tiling, and the depth in front of the camera, which the haze is worked out from for every pixel;
// the position in view space for the clip plane that keeps the haze pass to where the haze begins.
// For the sun: its share over the ambient light, the same all over the flat ground under a far sun,
// so worked out at the corners instead of at every pixel.
uniform mat4 worldViewProj;

#if defined(SUNLIT)
uniform vec4 sunColour;
uniform vec4 ambientColour;
uniform vec4 towardsSun;

varying vec3 sunShare;
#else
uniform mat4 worldView;
uniform mat4 grassTiling;
uniform mat4 patchTiling;

varying vec2 grassUv;
varying vec2 patchUv;
varying float depth;
#endif

void main()
{
    gl_Position = worldViewProj * gl_Vertex;
#if defined(SUNLIT)
    float facing = max(dot(normalize(gl_Normal), normalize(towardsSun.xyz)), 0.0);
    sunShare = sunColour.rgb * facing / max(ambientColour.rgb, 0.001);
#else
    gl_ClipVertex = worldView * gl_Vertex;
    depth = -gl_ClipVertex.z;
    grassUv = (grassTiling * gl_MultiTexCoord0).xy;
    patchUv = (patchTiling * gl_MultiTexCoord0).xy;
#endif
}
