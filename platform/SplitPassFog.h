// Additive stencil shadows split each lit pass into an ambient, a per-light and a decal pass, and this
// engine fogs all three alike: the light adds the fog colour once more and the decal multiplies it by
// itself, so far objects turn pale instead of fading into the haze.
#pragma once

// Fogs the per-light passes towards black and the decals towards white, so that each object reaches
// the haze colour once; does nothing without a render system, which the split needs.
void mendSplitPassFog();
