// SPDX-License-Identifier: GPL-3.0-or-later
// Stands for a model file that calls the CR reader, a layer above it: linked
// with the model layer and the layers below, the call stays unresolved.
#include "report/cr_reader.h"

bool ModelAsksTheReader()
{
    return maprune::HasCutOffWarning({});
}
