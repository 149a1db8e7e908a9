#pragma once

// Who makes the program and where to find them: the About box shows the
// notice, the credit and the e-mail address; the Help menu opens the pages.
// Plain string defines, so resource scripts include this file too. Every
// address stays on a reserved example domain.

#define DUSTREL_HOME_PAGE "http://dustrel.example.org/"
#define DUSTREL_README_PAGE "http://dustrel.example.org/readme.html"
#define DUSTREL_EMAIL "it@example.org"
#define DUSTREL_ABOUT_NOTICE "Freeware"
#define DUSTREL_ABOUT_CREDIT "Dustrel team"
