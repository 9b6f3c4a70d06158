#include "base/SharedPtr.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace trovane {
namespace {

// Counts live instances so that tests see exactly when objects die.
struct Base {
    static inline int alive = 0;
    Base() { ++alive; }
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;
    virtual ~Base() { --alive; }
};

struct Derived : Base {
    static inline int alive = 0;
    Derived() { ++alive; }
    ~Derived() override { --alive; }
};

struct Other : Base {};

class SharedPtrTest : public ::testing::Test {
protected:
    void SetUp() override {
        Base::alive = 0;
        Derived::alive = 0;
    }
    void TearDown() override {
        EXPECT_EQ(Base::alive, 0);
        EXPECT_EQ(Derived::alive, 0);
    }
};

TEST_F(SharedPtrTest, EmptyPointerOwnsACounterAtOne) {
    const SharedPtr<Base> empty;
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.get(), nullptr);
    EXPECT_EQ(empty.useCount(), 1);
    const SharedPtr<Base> copy = empty;
    EXPECT_EQ(empty.useCount(), 2);
}

TEST_F(SharedPtrTest, LastReleaseDestroysTheObject) {
    {
        SharedPtr<Base> a = makeShared<Base>();
        {
            const SharedPtr<Base> b = a;
            EXPECT_EQ(a.useCount(), 2);
        }
        EXPECT_EQ(a.useCount(), 1);
        EXPECT_EQ(Base::alive, 1);
    }
    EXPECT_EQ(Base::alive, 0);
}

TEST_F(SharedPtrTest, AssignmentTakesTheSourceAndReleasesTheOldValue) {
    SharedPtr<Base> a = makeShared<Base>();
    SharedPtr<Base> b = makeShared<Base>();
    Base* second = b.get();
    a = b;
    EXPECT_EQ(Base::alive, 1);
    EXPECT_EQ(a.get(), second);
    EXPECT_EQ(b.useCount(), 2);
}

TEST_F(SharedPtrTest, SelfAssignmentKeepsTheObject) {
    SharedPtr<Base> a = makeShared<Base>();
    SharedPtr<Base>& alias = a;
    a = alias;
    EXPECT_EQ(a.useCount(), 1);
    EXPECT_EQ(Base::alive, 1);
    a = std::move(alias);
    EXPECT_EQ(a.useCount(), 1);
    EXPECT_EQ(Base::alive, 1);
}

TEST_F(SharedPtrTest, AssigningFromAPointerOwnedByTheOldObjectIsSafe) {
    struct Node {
        SharedPtr<Node> next;
        SharedPtr<Base> payload = makeShared<Base>();
    };
    SharedPtr<Node> head = makeShared<Node>();
    head->next = makeShared<Node>();
    head = head->next; // the old head dies during the assignment, and with it its `next`
    EXPECT_EQ(Base::alive, 1);
    EXPECT_EQ(head.useCount(), 1);
}

TEST_F(SharedPtrTest, MoveLeavesTheSourceEmptyWithItsOwnCounter) {
    SharedPtr<Base> a = makeShared<Base>();
    SharedPtr<Base> b = std::move(a);
    EXPECT_FALSE(a); // NOLINT(bugprone-use-after-move): a moved-from pointer is empty by contract
    EXPECT_EQ(a.useCount(), 1);
    EXPECT_EQ(b.useCount(), 1);

    SharedPtr<Base> c = makeShared<Base>();
    c = std::move(b);
    EXPECT_EQ(Base::alive, 1) << "move assignment releases the old value at once";
    EXPECT_FALSE(b);
    EXPECT_EQ(c.useCount(), 1);
}

TEST_F(SharedPtrTest, DerivedSharedAsBaseKeepsOneCounterAndDiesAsDerived) {
    SharedPtr<Derived> derived = makeShared<Derived>();
    {
        SharedPtr<Base> base = derived;
        EXPECT_EQ(base.get(), derived.get());
        EXPECT_EQ(derived.useCount(), 2);
        derived.reset();
        EXPECT_EQ(base.useCount(), 1);
        EXPECT_EQ(Derived::alive, 1);
    }
    EXPECT_EQ(Derived::alive, 0);
}

TEST_F(SharedPtrTest, ConvertingMoveAndAssignment) {
    SharedPtr<Derived> derived = makeShared<Derived>();
    SharedPtr<Base> base = std::move(derived);
    EXPECT_FALSE(derived);
    EXPECT_EQ(base.useCount(), 1);

    SharedPtr<Derived> another = makeShared<Derived>();
    base = another;
    EXPECT_EQ(Derived::alive, 1);
    EXPECT_EQ(another.useCount(), 2);
}

TEST_F(SharedPtrTest, DynamicCastSharesTheCounterOrComesBackEmpty) {
    const SharedPtr<Base> base = makeShared<Derived>();
    const SharedPtr<Derived> down = dynamicPointerCast<Derived>(base);
    ASSERT_TRUE(down);
    EXPECT_EQ(base.useCount(), 2);

    const SharedPtr<Other> wrong = dynamicPointerCast<Other>(base);
    EXPECT_FALSE(wrong);
    EXPECT_EQ(wrong.useCount(), 1);
    EXPECT_EQ(base.useCount(), 2);
}

TEST_F(SharedPtrTest, ConversionNeedsAVirtualDestructor) {
    struct Plain {};
    struct PlainDerived : Plain {};
    static_assert(std::is_convertible_v<SharedPtr<Derived>, SharedPtr<Base>>);
    static_assert(!std::is_convertible_v<SharedPtr<PlainDerived>, SharedPtr<Plain>>);
    static_assert(!std::is_convertible_v<SharedPtr<Base>, SharedPtr<Derived>>);
}

TEST_F(SharedPtrTest, VectorGrowthKeepsCounts) {
    const SharedPtr<Base> one = makeShared<Base>();
    std::vector<SharedPtr<Base>> list;
    for (int i = 0; i < 100; ++i) {
        list.push_back(one);
    }
    EXPECT_EQ(one.useCount(), 101);
    list.clear();
    EXPECT_EQ(one.useCount(), 1);
}

} // namespace
} // namespace trovane
