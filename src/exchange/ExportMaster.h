#pragma once

#include <QString>

class clsEmployeeInfo;

// The master data of a data folder as one JSON document, as the data store reads it.
namespace ExportMaster {
QString toJson(const clsEmployeeInfo &info);
}
