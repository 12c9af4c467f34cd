/*
 * plugtext.h - the host's English explanation of each message text the
 * plug-in shows in Japanese.
 */
#ifndef HOST_PLUGTEXT_H
#define HOST_PLUGTEXT_H

const char *PlugTextExplain(const char *pszUtf8);
/* What the plug-in's text means and what to do, in English; NULL for a
 * text the host does not know. */

#endif /* HOST_PLUGTEXT_H */
