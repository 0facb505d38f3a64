#pragma once

// A paragraph of ordinary prose, for speech made by a synthesiser and heard
// back by the recogniser: everyday words, no numbers or names to spell.
inline const char* const NxProseParagraph =
    "Every morning the old baker opened his shop before the sun came up. He lit the ovens, mixed the flour with "
    "water and salt, and shaped the loaves by hand while the street outside was still dark and quiet. By the time "
    "the first customers arrived, the whole corner smelled of warm bread. Most of them were workers on their way "
    "to the station, and they bought the same thing every day without a word. The baker did not mind. He liked "
    "the sound of the door and the small bell above it, and he liked knowing that his bread would be eaten at "
    "kitchen tables all over the town. On Sundays he closed early and walked along the river with his daughter, "
    "who wanted to study music in the city. He worried about the cost, but he never told her so.";
