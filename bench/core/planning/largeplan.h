#pragma once

#include "core/planning/plan.h"

namespace netquill::bench {

// 10.0.0.0/8 into 64 /14s, each into 1024 /24s, a name on every eighth: 65,536 leaves,
// and 2001:db8::/32 into 32 /37s, each into 1024 /47s: 32,768 more.
inline Plan largePlan()
{
    Plan plan;
    for (const auto &[root, bits] : {std::pair{AnyBlock(Ipv4Block(Ipv4Address(0x0A000000), 8)), 6},
                                     {AnyBlock(Ipv6Block(Ipv6Address(Uint128{0x20010DB8} << 96), 32)), 5}}) {
        plan.addRoot(root);
        plan.split(root, bits);
        for (Uint128 k = 0; k < (Uint128{1} << bits); ++k) {
            const AnyBlock child = root.child(k, root.length() + bits);
            plan.split(child, 10);
            for (Uint128 leaf = 0; leaf < 1024; leaf += 8)
                plan.describe(child.child(leaf, child.length() + 10),
                              {"subnet " + std::to_string(static_cast<unsigned>(leaf)), "", "", {}});
        }
    }
    plan.forgetHistory();
    return plan;
}

}  // namespace netquill::bench
