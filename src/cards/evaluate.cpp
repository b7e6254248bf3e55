#include "cards/evaluate.h"

int32_t evaluateHand(const CardList* handList)
{
    // Only a five-card list is a hand; checking the count first means the
    // walk below never goes past the last card.
    constexpr int32_t kHandSize = 5;
    if (handList->count != kHandSize) {
        return kHandRien;
    }

    // The list is in id order, so ranks never decrease and equal ranks stand
    // side by side: every combination is a pattern of neighbours.
    const Card* c1 = handList->head;
    const Card* c2 = c1->next;
    const Card* c3 = c2->next;
    const Card* c4 = c3->next;
    const Card* c5 = c4->next;
    const int32_t r1 = c1->rank, r2 = c2->rank, r3 = c3->rank, r4 = c4->rank, r5 = c5->rank;
    const int32_t s1 = c1->suit;
    const bool suited = c2->suit == s1 && c3->suit == s1 && c4->suit == s1 && c5->suit == s1;

    const bool consecutive = r2 == r1 + 1 && r3 == r2 + 1 && r4 == r3 + 1 && r5 == r4 + 1;
    // The ace plays low only in 2, 3, 4, 5, A; it sorts last.
    const bool wheel = r1 == 2 && r2 == 3 && r3 == 4 && r4 == 5 && r5 == kRankAce;
    if (consecutive || wheel) {
        if (!suited) {
            return kHandSuite;
        }
        // Royal is ten to ace only; the five-high straight flush is an ordinary one.
        return consecutive && r5 == kRankAce ? kHandQuinteFlushRoyal : kHandQuinteFlush;
    }

    if ((r1 == r2 && r2 == r3 && r3 == r4) || (r2 == r3 && r3 == r4 && r4 == r5)) {
        return kHandCarre;
    }

    const bool lowThree = r1 == r2 && r2 == r3;
    const bool midThree = r2 == r3 && r3 == r4;
    const bool highThree = r3 == r4 && r4 == r5;
    if (lowThree || midThree || highThree) {
        if ((r1 == r2 && highThree) || (r4 == r5 && lowThree)) {
            return kHandFullHouse;
        }
        return kHandBrelan;
    }

    if (suited) {
        return kHandCouleur;
    }
    if ((r1 == r2 && (r3 == r4 || r4 == r5)) || (r2 == r3 && r4 == r5)) {
        return kHandDoublePaire;
    }
    if (r1 == r2 || r2 == r3 || r3 == r4 || r4 == r5) {
        return kHandPaire;
    }
    return kHandRien;
}
