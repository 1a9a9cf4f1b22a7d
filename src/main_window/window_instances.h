// The one global instance of each secondary window. The main window's menu item creates
// it on first use; nothing clears it, so it lives until the program ends.
#pragma once

#include <memory>

class frmFrumeind;
class frmSkilgreiningar;
class frmLotukerfi;
class frmHeiti;
class frmAbout;

extern std::unique_ptr<frmFrumeind> frmFrumeindInstance;
extern std::unique_ptr<frmSkilgreiningar> frmSkilgreiningarInstance;
extern std::unique_ptr<frmLotukerfi> frmLotukerfiInstance;
extern std::unique_ptr<frmHeiti> frmHeitiInstance;
extern std::unique_ptr<frmAbout> frmAboutInstance;
