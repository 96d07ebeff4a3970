#version 120
// The ground's colour in one light, faded into the haze as the fixed-function fog of the other
// materials is: linear in depth. The ambient pass fades towards the haze colour; the sun's pass,
// added on top where no shadow falls, fades out to nothing.
uniform sampler2D grass;
uniform sampler2D patches;
uniform vec4 lightColour;
uniform vec4 hazeColour;
uniform vec4 hazeRange; // density, start, end, 1 / (end - start)
#ifdef SUNLIT
uniform vec4 towardsLight;
#endif

varying vec2 grassUv;
varying vec2 patchUv;
varying vec3 normal;
varying float depth;

void main()
{
    vec3 surface = min(texture2D(grass, grassUv).rgb * texture2D(patches, patchUv).rgb * 2.0, 1.0);
    float haze = clamp((depth - hazeRange.y) * hazeRange.w, 0.0, 1.0);
#ifdef SUNLIT
    float facing = max(dot(normalize(normal), normalize(towardsLight.xyz)), 0.0);
    gl_FragColor = vec4(surface * lightColour.rgb * facing * (1.0 - haze), 1.0);
#else
    gl_FragColor = vec4(mix(surface * lightColour.rgb, hazeColour.rgb, haze), 1.0);
#endif
}
