#pragma once

#include <QAbstractItemModelTester>

#include <memory>

namespace vxtest {

/// QAbstractItemModelTester on `model`, reporting broken invariants as warnings, which the
/// explorer's test main and TesterFailures turn into test failures.
inline std::unique_ptr<QAbstractItemModelTester> watchModel(QAbstractItemModel* model)
{
    return std::make_unique<QAbstractItemModelTester>(
        model, QAbstractItemModelTester::FailureReportingMode::Warning);
}

} // namespace vxtest
