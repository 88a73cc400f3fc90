#pragma once
// Names the cases of a table-driven test after the `name` of their row.

#include <gtest/gtest.h>

#include <string>

namespace nelin::testing_support {

struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};

} // namespace nelin::testing_support
