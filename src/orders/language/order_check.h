// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orders/language/command_syntax.h"
#include "orders/language/order_finding.h"
#include "orders/language/order_scope.h"
#include "orders/language/order_tokens.h"

namespace maprune {

class OrderGrammar;

// Checks order lines (UTF-8) against the grammar, line by line, with the
// TEMP blocks ("MACHE TEMP n" up to "ENDE") the lines open and close.
class OrderChecker {
public:
    OrderChecker(const OrderGrammar& grammar, const OrderScope& scope);

    // The scope for the lines that follow (an order file's next unit).
    void SetScope(const OrderScope& scope) { FScope = &scope; }

    // One line, numbered `lineIndex` in its findings.
    void CheckLine(std::string_view line, size_t lineIndex, std::vector<OrderFinding>& findings);
    // The end of a unit's orders: a TEMP block still open is a finding.
    void EndUnit(std::vector<OrderFinding>& findings);

private:
    void CheckTempOpening(
        const OrderWords& words, size_t lineIndex, std::vector<OrderFinding>& findings);
    bool IsOwnItem(ParamKind kind, const std::string& word) const;
    void Judge(ParamKind kind, const OrderToken* first, size_t count,
        std::vector<OrderFinding>& findings) const;

    const OrderGrammar& FGrammar;
    const OrderScope* FScope;
    bool FTempOpen = false;
    OrderFinding FOpening; // where the open TEMP block began
};

// All findings of the orders of one unit (UTF-8 lines).
std::vector<OrderFinding> CheckUnitOrders(
    const OrderGrammar& grammar, const OrderScope& scope, const std::vector<std::string>& lines);

// Whether the words open a TEMP block ("MACHE TEMP ..."), for the grammar's MACHE.
bool OpensTemp(const OrderGrammar& grammar, const OrderWords& words);

} // namespace maprune
