// Stand-in for the tutorial until it is built: which steps are done, kept as
// the profile's tutorial flags, and the next step to do.
#pragma once

class CTutorialDialog {
public:
    // Marks step done and moves nextTutorial to the lowest step not yet done.
    static void CompleteTutorial(int step);
    // Marks step not done; nextTutorial stays until the next completion.
    static void UncompleteTutorial(int step);
    static bool IsTutorialComplete(int step);

    static int nextTutorial;  // -1 none
};
