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

// Five of Aesop's fables in plain English (public domain), for finding where
// sentences end in what the recogniser heard: short and long sentences,
// questions, and "I" in what the animals say.
inline const char* const NxFables =
    "A hungry fox saw some fine bunches of grapes hanging from a vine that was trained along a high wall. The "
    "grapes looked ripe and sweet. He jumped as high as he could, but they were just out of his reach. He tried "
    "again and again until he was tired. At last he turned away and said to himself, I am sure they are sour. It "
    "is easy to scorn what you cannot have.\n"
    "The north wind and the sun once argued about which of them was the stronger. They agreed to test their power "
    "on a traveller walking along the road. Whoever made him take off his coat would be the winner. The wind began "
    "first and blew as hard as it could. The colder the wind blew, the more tightly the man held his coat around "
    "him. Then the sun came out and shone warmly on his back. Soon the traveller felt so hot that he took off his "
    "coat and sat down in the shade. Kindness often does more than force.\n"
    "A hare laughed at a tortoise for being so slow. Do you ever get anywhere, he asked with a smile. The tortoise "
    "said that he would beat the hare in a race. The hare thought this was a fine joke and agreed at once. As soon "
    "as they started, the hare ran far ahead and then lay down to rest. I have plenty of time, he said, and he fell "
    "asleep. The tortoise walked on and on without stopping. When the hare woke up, the tortoise was already near "
    "the finish. The hare ran as fast as he could, but he was too late. Slow and steady wins the race.\n"
    "A shepherd boy watched his flock near a village. He was bored, so he cried out that a wolf was chasing the "
    "sheep. The people came running to help him, but there was no wolf. The boy laughed at them. A few days later "
    "he played the same trick, and again they came. Then one evening a wolf really did come out of the forest. The "
    "boy shouted for help as loud as he could. This time nobody believed him, and the wolf took many of the sheep. "
    "A liar is not believed even when he tells the truth.\n"
    "All through the summer an ant worked hard, carrying grain to its nest. A grasshopper sat in the grass and sang "
    "the whole day long. Why do you work so hard, asked the grasshopper. I am storing food for the winter, said the "
    "ant. The grasshopper only laughed and went on singing. When the winter came, the grasshopper had nothing to eat. "
    "It went to the ant and asked for a little grain. The ant asked what it had done all summer. I sang, said the "
    "grasshopper. Then you can dance all winter, said the ant. It is wise to prepare today for the needs of "
    "tomorrow.";
