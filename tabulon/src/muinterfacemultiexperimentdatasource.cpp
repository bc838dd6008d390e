#include "tabulon/muinterfacemultiexperimentdatasource.h"

MUInterfaceMultiExperimentDataSource::~MUInterfaceMultiExperimentDataSource() = default;
