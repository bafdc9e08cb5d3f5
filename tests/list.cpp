// DLL: links in both directions, printing, every match of a search, and input that is no int.
#include <gtest/gtest.h>

#include <initializer_list>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "DLL.h"
#include "console.h"

namespace {

void insertAll(DLL& list, std::initializer_list<int> values) {
    for (int v : values) list.insert(v);
}

TEST(DLL, keepsValuesInReverseInsertionOrderLinkedBothWays) {
    DLL list;
    insertAll(list, {1, 2, 3});
    std::vector<int> forward;
    const ListNode* last = nullptr;
    for (const ListNode* node = list.front; node != nullptr; node = node->nextNode) {
        forward.push_back(node->val);
        last = node;
    }
    std::vector<int> backward;
    for (const ListNode* node = last; node != nullptr; node = node->prevNode) {
        backward.push_back(node->val);
    }
    EXPECT_EQ(forward, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(backward, (std::vector<int>{1, 2, 3}));
}

TEST(DLL, printsEveryValueWithItsArrowOrThatItIsEmpty) {
    DLL empty;
    DLL list;
    insertAll(list, {1, -2, 3});
    StreamCapture out(std::cout);
    empty.printList();
    list.printList();
    EXPECT_EQ(out.text(), "List is empty\n3 --> -2 --> 1 --> \n");
}

TEST(DLL, freesALongListWithoutRecursing) {
    auto list = std::make_unique<DLL>();
    for (int i = 0; i < 1000000; ++i) list->insert(i);
    list.reset();  // a leak or a stack overflow here fails under the sanitizers
}

struct SearchCase {
    const char* input;
    const char* locations;  // what follows the prompt
    std::string errors;
    bool inputFails;
};

TEST(DLL, searchReportsEveryMatchFrontToBackAndRefusesInputThatIsNoInt) {
    const char* noInt = "standard input: no int to search for\n";
    const std::string typeOne = "type a whole number, such as 49500\n";
    const SearchCase cases[] = {
        {"5\n", "Your search was found at location: 1\nYour search was found at location: 3\n", "",
         false},
        {"7", "Your search was found at location: 2\n", "", false},
        {"5abc", "Your search was found at location: 1\nYour search was found at location: 3\n",
         "standard input: warning: text after the number 5 ignored: \"abc\"\n", false},
        {" 7 \t\nx", "Your search was found at location: 2\n", "", false},
        {"4\n", "", "standard input: 4 is not in the list\n", false},
        {"4 x\n", "",
         "standard input: warning: text after the number 4 ignored: \" x\"\n"
         "standard input: 4 is not in the list\n",
         false},
        {"x5\n", "", "standard input: \"x5\" is not an int to search for: " + typeOne, true},
        {"- 5\r\n", "", R"(standard input: "- 5\r" is not an int to search for: )" + typeOne, true},
        {"", "", noInt, true},
        {"-2147483649\n", "",
         "standard input: \"-2147483649\" is out of the int range (-2147483648 to 2147483647)\n",
         true},
    };
    DLL list;
    insertAll(list, {5, 7, 5});
    for (const SearchCase& c : cases) {
        InputFeed in(c.input);
        StreamCapture out(std::cout);
        StreamCapture errors(std::cerr);
        list.search();
        EXPECT_EQ(out.text(), std::string("Enter what you want to search for: \n") + c.locations)
            << c.input;
        EXPECT_EQ(errors.text(), c.errors) << c.input;
        EXPECT_EQ(std::cin.fail(), c.inputFails) << c.input;
    }
}

TEST(DLL, searchOfAnEmptyListReadsTheValueAndPrintsOnlyThePrompt) {
    DLL list;
    InputFeed in("3\n");
    StreamCapture out(std::cout);
    StreamCapture errors(std::cerr);
    list.search();
    EXPECT_EQ(out.text(), "Enter what you want to search for: \n");
    EXPECT_EQ(errors.text(), "standard input: 3 is not in the list\n");
    EXPECT_FALSE(std::cin.fail());
}

}  // namespace
