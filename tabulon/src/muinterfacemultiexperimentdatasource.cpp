#include "tabulon/src/muinterfacemultiexperimentdatasource.h"

MUInterfaceMultiExperimentDataSource::~MUInterfaceMultiExperimentDataSource() = default;
