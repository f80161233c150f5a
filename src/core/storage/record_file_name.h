#pragma once

#include "program_settings.h"

#include <QString>

namespace orva {

// Where print-to-file proposes to put the printed record of a configuration, so that the records of
// different panels do not overwrite each other: the name the file-name mask builds from the device name
// and identifier when the mask is on, otherwise the loaded configuration file's own name ("config"
// when none is loaded), with ".pdf"; in the list folder in list mode, otherwise in `otherFolder`.
QString RecordPdfPath(const ProgramSettings &settings, const QString &deviceName, const QString &ident,
                      const QString &configurationFile, const QString &otherFolder);

} // namespace orva
