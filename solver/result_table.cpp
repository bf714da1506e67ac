#include "solver/result_table.h"

namespace vq {

ResultTableType ResultTable;

} // namespace vq
