set(ZV_RESOURCES src/res/zolvane.rc)
