// defined with the bridge
