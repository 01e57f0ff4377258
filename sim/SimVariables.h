#pragma once

#include "vars/VarTable.h"

// The stand-in device keeps its variables in the table a settings file opened as the device answers from.
using SimVariables = VarTable;
