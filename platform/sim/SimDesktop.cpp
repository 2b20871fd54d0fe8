#include "platform/sim/SimDesktop.h"

namespace sim {

SimDesktop::SimDesktop(const SimOptions& options)
    : simFiles(options.home, options.homeWindows, options.drivesRoot),
      simSettings(options.settingsFile),
      simWindows(options.screenWidth, options.screenHeight, options.dpi),
      simKeystrokes(simWindows, options.layout),
      simPointer(simWindows),
      simDialogs(simFiles, simWindows),
      simGraphics(simWindows, options.picturesFolder),
      simFramework(simWindows, simPointer),
      interfaces{simKeystrokes, simSettings, simWindows,  simPointer,
                 simDialogs,    simFiles,    simGraphics, simFramework} {}

}  // namespace sim
