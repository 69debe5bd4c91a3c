#include "core/common/program_tables.h"

namespace tav {

ProgramTables &programTables()
{
    static ProgramTables tables;
    return tables;
}

} // namespace tav
