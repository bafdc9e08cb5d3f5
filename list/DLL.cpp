// DLL's operations.
#include "DLL.h"

#include <iostream>

#include "searchinput.h"

DLL::~DLL() {
    while (front != nullptr) {
        ListNode* next = front->nextNode;
        delete front;
        front = next;
    }
}

void DLL::printList() {
    if (front == nullptr) {
        std::cout << "List is empty" << std::endl;
        return;
    }
    for (const ListNode* node = front; node != nullptr; node = node->nextNode) {
        std::cout << node->val << " --> ";
    }
    std::cout << std::endl;
}

void DLL::insert(int newValue) {
    auto* node = new ListNode{newValue, front, nullptr};
    if (front != nullptr) front->prevNode = node;
    front = node;
}

void DLL::search() {
    std::cout << "Enter what you want to search for: " << std::endl;
    int value = 0;
    if (!readSearchValue(value)) return;
    int location = 1;
    bool found = false;
    for (const ListNode* node = front; node != nullptr; node = node->nextNode, ++location) {
        if (node->val == value) {
            std::cout << "Your search was found at location: " << location << std::endl;
            found = true;
        }
    }
    if (!found) reportAbsent(value, "the list");
}
