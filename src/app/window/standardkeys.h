#ifndef STANDARDKEYS_H
#define STANDARDKEYS_H

class Ui_mainWin;

// The platform's own keys for the form's menu entries: Ctrl+N, Ctrl+O and
// the like on Linux, whatever each desktop sets.
void assignStandardKeys(const Ui_mainWin &form);

#endif // STANDARDKEYS_H
