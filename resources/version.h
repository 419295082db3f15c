/* The one place that names tunrix's version and where to find help. Included
   by the resource script (VERSIONINFO, About and driver error dialogs), by C++
   and read by scripts/make-dist.sh; only #define lines. */
#ifndef TUNRIX_VERSION_H
#define TUNRIX_VERSION_H

/* The text and the numbers must agree (tests/unit/version_test.cpp checks). */
#define TUNRIX_VERSION_TEXT     "2.3"
#define TUNRIX_VERSION_MAJOR    2
#define TUNRIX_VERSION_MINOR    3

/* Last line of the driver error dialog and of the About dialog: where the
   user finds help. */
#define TUNRIX_WEB_PAGE         "see README.TXT"

#endif
