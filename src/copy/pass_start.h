// How a pass of the copy run began.
#pragma once

enum PassStart {
    Person,       // the program's start, or OK at the repeat question
    NowButton,    // 今すぐコピー in the dialog that waits for the next disc
    DiscArrived,  // that dialog saw a new disc and started the pass itself
};
