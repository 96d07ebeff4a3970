#version 120
// The ground's one big quad: texture co-ordinates through each unit's own tiling, and the depth
// in front of the camera, which the haze is worked out from for every pixel.
uniform mat4 worldViewProj;
uniform mat4 worldView;
uniform mat4 grassTiling;
uniform mat4 patchTiling;

varying vec2 grassUv;
varying vec2 patchUv;
varying vec3 normal;
varying float depth;

void main()
{
    gl_Position = worldViewProj * gl_Vertex;
    depth = -(worldView * gl_Vertex).z;
    grassUv = (grassTiling * gl_MultiTexCoord0).xy;
    patchUv = (patchTiling * gl_MultiTexCoord0).xy;
    normal = gl_Normal;
}
